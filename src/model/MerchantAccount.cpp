#include "model/MerchantAccount.h"

#include <QRegularExpression>

namespace velmora {

bool isUsableMerchantAccount(const QString& eMail) {
    // No blank anywhere: the account goes out as typed, and the payment service matches it exactly.
    static const QRegularExpression account(QStringLiteral(R"(^(?:[^@\s]+@[^@\s]+\.[^@\s.]+|[A-Z0-9]{13})$)"));
    return eMail.compare(placeholderEmail, Qt::CaseInsensitive) != 0 && account.match(eMail).hasMatch();
}

} // namespace velmora
