#pragma once
// The parameters window (menu "Paramètres de gestion"): the seven values of FParam. Leaving it,
// by "Terminé", its close box or a successful save, ends the program.

#include <QDialog>

#include "utilities/parameters.h"

struct Env;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

class ParametersWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the window and fills it from FParam.
    explicit ParametersWindow(Env& env, QWidget* parent = nullptr);

    // "Terminé", the close box and Escape: the program ends without writing.
    void reject() override;

private:
    void save();
    ParametersForm pull() const;
    void push(const ParametersForm& form);

    Env& env_;
    QLineEdit* oldAccessCode_;
    QLineEdit* newAccessCode_;
    QLineEdit* oldPaymentCode_;
    QLineEdit* newPaymentCode_;
    QLineEdit* oldVatRate_;
    QLineEdit* newVatRate_;
    QRadioButton* standardModel_;
    QRadioButton* reducedModel_;
    QComboBox* receptionMode_;
    QComboBox* deliveryMode_;
    QComboBox* invoiceMode_;
};

// Builds the window, fills it and runs it; the program ends when it is left.
void openParametersWindow(Env& env);
