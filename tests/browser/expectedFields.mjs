// What the payment service must receive for an item, worked out from the field rules independently of the
// generators: [name, value] pairs in the order the browser sends them.

const isSet = (flag) => flag === 1;
export const beyondAscii = (text) => /[^\x00-\x7F]/.test(text);

export const dropDownValues = (set) => set.Values.filter((value) => value !== '');

// The option rows the form shows: set 1 when active, set 2 only inside set 1's table. A set without a kind has none.
export function optionRows(item) {
    if (!isSet(item.Option1.Active)) return [];
    const rows = [{ set: item.Option1, index: 0 }];
    if (isSet(item.Option2.Active)) rows.push({ set: item.Option2, index: 1 });
    return rows.filter((row) => row.set.Kind !== null);
}

// Every value the form carries, hidden or shown.
export function formValues(item, settings) {
    const values = [settings.eMail, item.ItemName, item.ItemID, item.Price, item.Shipping1];
    if (item.Shipping1 !== '') values.push(item.Shipping2);
    values.push(settings.StoreLogo, settings.PurchaseSuccessURL, settings.PurchaseCancelURL, settings.ButtonImageURL);
    if (isSet(item.Note)) values.push(item.NoteTitle);
    for (const { set } of optionRows(item)) {
        values.push(set.Name);
        if (set.Kind === 'DropDown') values.push(...dropDownValues(set));
    }
    return values;
}

// choices[i] is what the buyer picked or typed for option row i (os0, os1).
export function expectedFormFields(item, settings, choices) {
    const fields = [['cmd', '_cart']];
    if (formValues(item, settings).some(beyondAscii)) fields.push(['charset', 'utf-8']);
    fields.push(['business', settings.eMail], ['item_name', item.ItemName]);
    if (item.ItemID !== '') fields.push(['item_number', item.ItemID]);
    fields.push(['amount', item.Price]);
    if (item.Shipping1 !== '') {
        fields.push(['shipping', item.Shipping1]);
        if (item.Shipping2 !== '') fields.push(['shipping2', item.Shipping2]);
    }
    if (item.ShippingAddress === 0) fields.push(['no_shipping', '1']);
    if (settings.StoreLogo !== '') fields.push(['image_url', settings.StoreLogo]);
    if (settings.PurchaseSuccessURL !== '') fields.push(['return', settings.PurchaseSuccessURL]);
    if (settings.PurchaseCancelURL !== '') fields.push(['cancel_return', settings.PurchaseCancelURL]);
    fields.push(isSet(item.Note) ? ['cn', item.NoteTitle] : ['no_note', '1']);
    optionRows(item).forEach(({ set, index }, row) => {
        fields.push([`on${index}`, set.Name]);
        // A drop-down without a single choice has nothing selected, so the browser sends no value for it.
        if (choices[row] !== undefined) fields.push([`os${index}`, choices[row]]);
    });
    fields.push(['add', '1']);
    return fields;
}

export function expectedLinkFields(item, settings) {
    const fields = [['add', '1'], ['business', settings.eMail], ['item_name', item.ItemName]];
    if (item.ItemID !== '') fields.push(['item_number', item.ItemID]);
    fields.push(['amount', item.Price]);
    if (item.Shipping1 !== '') fields.push(['shipping', item.Shipping1]);
    if (item.Shipping2 !== '') fields.push(['shipping2', item.Shipping2]);
    if (item.ShippingAddress === 0) fields.push(['no_shipping', '1']);
    fields.push(isSet(item.Note) ? ['cn', item.NoteTitle] : ['no_note', '1']);
    if (settings.StoreLogo !== '') fields.push(['image_url', settings.StoreLogo]);
    if (settings.PurchaseSuccessURL !== '') fields.push(['return', settings.PurchaseSuccessURL]);
    if (settings.PurchaseCancelURL !== '') fields.push(['cancel_return', settings.PurchaseCancelURL]);
    if (fields.some(([, value]) => beyondAscii(value))) fields.push(['charset', 'utf-8']);
    return fields;
}
