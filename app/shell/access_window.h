#pragma once
// The access-code window shown at start-up: the banner, the code edit and three buttons.

#include <QDialog>

#include "shell/access_code.h"

struct Env;
class QLineEdit;

class AccessWindow : public QDialog {
    Q_OBJECT
public:
    explicit AccessWindow(Env& env, QWidget* parent = nullptr);

    // "Annuler", the title bar's close box and Escape: the program ends.
    void reject() override;

private:
    void validate();
    void changeCode();
    AccessForm pull() const;
    void push(const AccessForm& form);

    Env& env_;
    QLineEdit* code_;
};

// Shows the window until the right code is given (true) or the user leaves it (false, once
// shutdownAndExit has run).
bool runAccessWindow(Env& env);
