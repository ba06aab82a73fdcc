#pragma once

#include "speech/pronunciation_rules.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class SpeechController;
class SpeakingVoice;

// The "Pronunciation" window: the rules of one list (all voices, or the
// voices of one language) in a table, edited in place, kept in their file
// as soon as they change; a field to hear a text with those rules in the
// selected voice. Not modal: the main window stays usable.
//
// The trial speaks through voices of its own, so the main window's
// highlighting and buttons never see it.
class PronunciationWindow : public QDialog
{
    Q_OBJECT
public:
    PronunciationWindow(SpeechController *speech, QWidget *parent = nullptr);
    ~PronunciationWindow() override;

    // Gives the text box the window's two ways in: "Pronunciation..." and
    // "Add a rule for this word" on its context menu, and Ctrl+D on `window`.
    // The window is made when first asked for, as a child of `window`.
    static void attach(QPlainTextEdit *textBox, SpeechController *speech, QWidget *window);

    // Shows the list used for the selected voice's language.
    void showList();
    // Shows the window with a new rule for `word` (said as written until
    // edited), its spoken form the current cell: typing replaces it.
    void addRuleFor(const QString &word);

    // Column numbers of the table.
    enum Column { Written, Spoken, WholeWord, MatchCase, Expression, ColumnCount };

private:
    void chooseList(int index);
    void load();
    void save();
    QList<PronunciationRule> tableRules(QStringList *problems) const;
    void insertRow(int row, const PronunciationRule &rule);
    void addClicked();
    void editClicked();
    void removeClicked();
    void move(int by);
    void sayIt();
    void updateButtons();

    SpeechController *m_speech;
    QComboBox *m_list = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QLineEdit *m_try = nullptr;
    QPushButton *m_say = nullptr;
    QLabel *m_status = nullptr;
    QString m_path;           // the file of the list shown
    QStringList m_keptLines;  // lines of that file that could not be read
    bool m_loading = false;
    QHash<const SpeakingVoice *, SpeakingVoice *> m_trials;
};
