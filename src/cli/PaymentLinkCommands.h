#pragma once

class QTextStream;

namespace velmora {

struct CliArguments;
struct MerchantSettings;

// velmora-cli's commands that PayPal's payment-links service carries out: publish, unpublish, links and
// page --payment-links. Runs the event loop until the service has answered; returns the exit status.
int runPaymentLinkCommand(const CliArguments& arguments, const MerchantSettings& settings, QTextStream& out,
                          QTextStream& err);

} // namespace velmora
