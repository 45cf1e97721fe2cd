#pragma once
// The four payment options of the stock documents (receptions, deliveries, invoices,
// proformas) and the payment-mode texts they stand for.

#include <optional>
#include <QString>

enum class PaymentOption { Espece, Cheque, Virement, ATerme };

// The text an option puts in the payment-mode field: "ESPECE", "Chèque n°", "Virement n°", "A TERME".
const QString& paymentModeText(PaymentOption option);

// The option a payment-mode text stands for, by its first letter. A loaded document's mode
// counts as cash only when it is exactly "ESPECE"; the default mode of New only by its "E".
std::optional<PaymentOption> optionOfMode(const QString& mode, bool cashExactly);
