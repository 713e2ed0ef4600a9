#include "ui/dialogs/frmQrCode.h"

#include "generate/QrCode.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/kit/AppIcon.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr auto SvgFilter = "SVG drawing (*.svg)"_L1;
constexpr auto PngFilter = "PNG picture (*.png)"_L1;
// Pixels a module in the picture: large enough for a phone to read it from a screen, and to print at 300 dpi.
constexpr int ModulePixels = 8;

QImage qrCodeImage(const QString& text, int modulePixels) {
    const velmora::QrModules code = velmora::qrCodeModules(text);
    QImage image(code.side * modulePixels, code.side * modulePixels, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.side; ++y) {
        for (int x = 0; x < code.side; ++x) {
            if (code.isDark(x, y))
                painter.fillRect(x * modulePixels, y * modulePixels, modulePixels, modulePixels, Qt::black);
        }
    }
    return image;
}

} // namespace

frmQrCode::frmQrCode(const QString& link, QWidget* parent) : QDialog(parent), m_link(link) {
    setObjectName(u"frmQrCode"_s);
    setWindowTitle(u"Payment Link QR Code"_s);
    setWindowIcon(velmora::appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto* code = new QLabel(this);
    code->setObjectName(u"imgQrCode"_s);
    code->setAlignment(Qt::AlignCenter);
    code->setPixmap(QPixmap::fromImage(qrCodeImage(link, 4)));
    code->setAccessibleName(u"QR code of the payment link"_s);
    auto* address = new QLabel(link.toHtmlEscaped(), this);
    address->setObjectName(u"lblLink"_s);
    address->setAlignment(Qt::AlignCenter);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* saveButton = buttons->addButton(u"&Save As..."_s, QDialogButtonBox::ActionRole);
    saveButton->setObjectName(u"cmdSaveQrCode"_s);
    buttons->button(QDialogButtonBox::Close)->setObjectName(u"cmdClose"_s);
    connect(saveButton, &QPushButton::clicked, this, &frmQrCode::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(code);
    layout->addWidget(address);
    layout->addWidget(buttons);
}

// The kind is the one the file's name ends in, else the filter chosen.
void frmQrCode::save() {
    if (!m_fileDialog) {
        m_fileDialog = new QFileDialog(this);
        m_fileDialog->setObjectName(u"dlgSaveQrCode"_s);
        m_fileDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_fileDialog->setFileMode(QFileDialog::AnyFile);
        m_fileDialog->setNameFilters({SvgFilter, PngFilter});
        m_fileDialog->setDefaultSuffix(u"svg"_s);
        connect(m_fileDialog, &QFileDialog::filterSelected, m_fileDialog, [dialog = m_fileDialog](const QString& f) {
            dialog->setDefaultSuffix(f == PngFilter ? u"png"_s : u"svg"_s);
        });
    }
    const QString path = velmora::chooseFileName(*m_fileDialog);
    if (path.isEmpty())
        return;
    if (const QString problem = write(path); !problem.isEmpty())
        velmora::showMessage(
            {.text = problem, .icon = QMessageBox::Warning, .parent = this, .name = u"QrCodeNotSaved"_s});
}

QString frmQrCode::write(const QString& path) const {
    QSaveFile file(path);
    const bool png = path.endsWith(u".png"_s, Qt::CaseInsensitive);
    bool written = file.open(QIODevice::WriteOnly);
    if (written)
        written = png ? qrCodeImage(m_link, ModulePixels).save(&file, "PNG")
                      : file.write(velmora::BuildQrCodeSvg(m_link).toUtf8()) >= 0;
    if (written && file.commit())
        return {};
    return u"The QR code could not be saved as %1: %2"_s.arg(path, file.errorString());
}
