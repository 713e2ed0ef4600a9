#pragma once

#include <QDialog>

class QFileDialog;

// The QR code of an item's payment link, for a flyer or a shop's counter: shown, and saved as an SVG drawing (which
// prints sharp at any size) or a PNG picture.
class frmQrCode : public QDialog {
    Q_OBJECT
public:
    frmQrCode(const QString& link, QWidget* parent = nullptr);

private:
    void save();
    QString write(const QString& path) const;

    QString m_link;
    QFileDialog* m_fileDialog = nullptr;
};
