#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// What the service's answer says went wrong, for a person: its name and message, each detail's field, issue and
// description, and its debug_id (which PayPal's support asks for). A 403 also says what the app's credentials
// lack. Text from the answer is shown on one line, without control characters.
QString serviceErrorText(int status, const QByteArray& body);

} // namespace velmora
