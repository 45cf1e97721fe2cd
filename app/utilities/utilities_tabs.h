#pragma once
// The five working tabs of the utilities window. Each builds its controls and shows its form;
// the window binds their buttons, keys and lists to the operations.

#include <array>
#include <QWidget>

#include "utilities/file_initialisation.h"

struct BackupForm;
struct GeneralCheckForm;
struct Progress;
class ListTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Shows a progress bar and its status line (if any) as soon as the operation moves them.
void followProgress(Progress& progress, QProgressBar* bar, QLabel* status);

class BackupTab : public QWidget {
    Q_OBJECT
public:
    explicit BackupTab(QWidget* parent = nullptr);
    void show(const BackupForm& form);

    QPushButton* backupButton;
    ListTable* backups;
};

class RestoreTab : public QWidget {
    Q_OBJECT
public:
    explicit RestoreTab(QWidget* parent = nullptr);
    void show(const BackupForm& form);

    QLineEdit* chosenFolder; // "Dossier à restaurer >>"
    QPushButton* restoreButton;
    ListTable* backups;
    QLabel* warning1;
    QLabel* warning2;
};

class ClosingTab : public QWidget {
    Q_OBJECT
public:
    explicit ClosingTab(QWidget* parent = nullptr);
    // The fifth warning line ends on the year the next one starts.
    void showNextYear(int year);

    std::array<QLabel*, 6> warnings;
    QProgressBar* progress;
    QPushButton* closeYearButton;
    QLabel* status;
};

class InitialisationTab : public QWidget {
    Q_OBJECT
public:
    explicit InitialisationTab(QWidget* parent = nullptr);
    void show(const InitialisationForm& form);
    void read(InitialisationForm& form) const;

    std::array<QCheckBox*, FILE_GROUP_COUNT> files; // by FileGroup
    QLineEdit* password;
    QPushButton* selectAllButton;
    QPushButton* initialiseButton;
    ListTable* results;
    QProgressBar* progress;
};

class GeneralCheckTab : public QWidget {
    Q_OBJECT
public:
    explicit GeneralCheckTab(QWidget* parent = nullptr);
    void show(const GeneralCheckForm& form);

    QProgressBar* progress;
    QPushButton* startButton;
    ListTable* results;
    QLabel* status;
};
