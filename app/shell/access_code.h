#pragma once
// The rules of the access-code window: the software access code asked at start-up, and its
// replacement by the user who knows the current one.

#include <QString>

struct Env;

struct AccessForm {
    QString code;          // the access-code edit, as typed
    bool accepted = false; // the code was right: the program goes on to the main window
};

// "Valider" (or Return in the code edit): the typed code must equal the stored one exactly,
// character by character, case and blanks included.
void validateAccessCode(Env& env, AccessForm& form);

// "Modifier le mot de passe": with the current code in the edit, asks for a new one, confirms,
// stores it and puts it in the edit.
void changeAccessCode(Env& env, AccessForm& form);
