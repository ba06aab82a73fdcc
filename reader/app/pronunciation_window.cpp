#include "app/pronunciation_window.h"

#include "app/book_navigation.h"
#include "speech/speaking_voice.h"
#include "speech/speech_controller.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QTableWidgetItem *checkItem(bool checked)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

// A word has a letter or a digit: a full stop or a dash alone is none.
bool isWord(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The word a context menu was opened on: the selection when there is one
// on a single line, else the word under the pointer; empty when that is no
// word (punctuation, or the pointer past a line's last word).
QString wordAt(QPlainTextEdit *textBox, const QPoint &viewportPosition)
{
    const QString selected = textBox->textCursor().selectedText().trimmed();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && !selected.contains(u'\t'))
        return isWord(selected) ? selected : QString();
    QTextCursor cursor = textBox->cursorForPosition(viewportPosition);
    cursor.select(QTextCursor::WordUnderCursor);
    const QString word = cursor.selectedText().trimmed();
    if (!isWord(word))
        return {};
    // The cursor lands on the nearest word even when the pointer is beside
    // it, past the end of its line: the pointer must be over the word.
    QTextCursor start = cursor, end = cursor;
    start.setPosition(cursor.selectionStart());
    end.setPosition(cursor.selectionEnd());
    const QRect first = textBox->cursorRect(start), last = textBox->cursorRect(end);
    if (first.top() == last.top()
        && (viewportPosition.x() < first.left() || viewportPosition.x() > last.right()
            || viewportPosition.y() < first.top() || viewportPosition.y() > first.bottom()))
        return {};
    return word;
}

PronunciationWindow *windowOf(QWidget *window, SpeechController *speech)
{
    if (auto *existing = window->findChild<PronunciationWindow *>())
        return existing;
    return new PronunciationWindow(speech, window);
}

}  // namespace

PronunciationWindow::PronunciationWindow(SpeechController *speech, QWidget *parent)
    : QDialog(parent)
    , m_speech(speech)
{
    setObjectName(QStringLiteral("PronunciationWindow"));
    setWindowTitle(tr("Pronunciation"));
    setModal(false);

    m_list = new QComboBox(this);
    m_list->setAccessibleName(tr("Rule list"));
    m_list->addItem(tr("All voices"), QString());
    QStringList languages{QStringLiteral("en")};
    for (const QString &language : speech->voiceLanguages()) {
        const QString key = PronunciationLists::languageKey(language);
        if (!key.isEmpty() && !languages.contains(key))
            languages << key;
    }
    QList<std::pair<QString, QString>> named;
    for (const QString &key : std::as_const(languages)) {
        const QLocale locale(key);
        const QString name = locale.language() == QLocale::C ? key : QLocale::languageToString(locale.language());
        named.append({tr("Voices in %1 (%2)").arg(name, key), key});
    }
    std::sort(named.begin(), named.end());
    for (const auto &[name, key] : std::as_const(named))
        m_list->addItem(name, key);
    auto *listLabel = new QLabel(tr("&Rules for:"), this);
    listLabel->setBuddy(m_list);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setAccessibleName(tr("Pronunciation rules"));
    m_table->setHorizontalHeaderLabels(
        {tr("Written"), tr("Spoken"), tr("Whole words"), tr("Match case"), tr("Regular expression")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setTabKeyNavigation(false);  // Tab leaves the table, as everywhere else
    m_table->horizontalHeader()->setSectionResizeMode(Written, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(Spoken, QHeaderView::Stretch);
    // The option columns keep their whole captions; the texts take the rest.
    for (int c = Spoken + 1; c < ColumnCount; ++c)
        m_table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setVisible(false);

    m_add = new QPushButton(tr("&Add"), this);
    m_edit = new QPushButton(tr("&Edit"), this);
    m_remove = new QPushButton(tr("Re&move"), this);
    m_up = new QPushButton(tr("Move &up"), this);
    m_down = new QPushButton(tr("Move &down"), this);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_add, m_edit, m_remove, m_up, m_down}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    m_try = new QLineEdit(this);
    m_try->setAccessibleName(tr("Text to say"));
    auto *tryLabel = new QLabel(tr("&Try:"), this);
    tryLabel->setBuddy(m_try);
    m_say = new QPushButton(tr("&Say it"), this);
    m_say->setAutoDefault(false);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_status->setAccessibleName(tr("Status"));

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *grid = new QGridLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(listLabel);
    top->addWidget(m_list, 1);
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(m_table, 1, 0);
    grid->addLayout(buttons, 1, 1);
    auto *trial = new QHBoxLayout;
    trial->addWidget(tryLabel);
    trial->addWidget(m_try, 1);
    trial->addWidget(m_say);
    grid->addLayout(trial, 2, 0, 1, 2);
    grid->addWidget(m_status, 3, 0, 1, 2);
    grid->addWidget(close, 4, 0, 1, 2);
    setTabOrder(m_list, m_table);
    resize(700, 380);

    connect(m_list, &QComboBox::currentIndexChanged, this, &PronunciationWindow::chooseList);
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_loading)
            save();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        updateButtons();
        // The trial field offers the rule's written text to hear it said.
        // (Rows being inserted or moved may not have their items yet.)
        const QTableWidgetItem *written = row >= 0 ? m_table->item(row, Written) : nullptr;
        const QTableWidgetItem *expression = row >= 0 ? m_table->item(row, Expression) : nullptr;
        if (written && expression && expression->checkState() == Qt::Unchecked)
            m_try->setText(written->text());
    });
    connect(m_add, &QPushButton::clicked, this, &PronunciationWindow::addClicked);
    connect(m_edit, &QPushButton::clicked, this, &PronunciationWindow::editClicked);
    connect(m_remove, &QPushButton::clicked, this, &PronunciationWindow::removeClicked);
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(m_say, &QPushButton::clicked, this, &PronunciationWindow::sayIt);
    connect(m_try, &QLineEdit::returnPressed, this, &PronunciationWindow::sayIt);
    auto *remove = new QShortcut(QKeySequence::Delete, m_table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &PronunciationWindow::removeClicked);

    chooseList(0);
}

PronunciationWindow::~PronunciationWindow() = default;

void PronunciationWindow::attach(QPlainTextEdit *textBox, SpeechController *speech, QWidget *window)
{
    textBox->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(textBox, &QWidget::customContextMenuRequested, window, [=](const QPoint &position) {
        QMenu *menu = textBox->createStandardContextMenu(position);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        const QString word = wordAt(textBox, position);
        QAction *add = menu->addAction(tr("Add a rule for this word"));
        add->setEnabled(!word.isEmpty());
        QObject::connect(add, &QAction::triggered, window,
                         [=] { windowOf(window, speech)->addRuleFor(word); });
        QAction *open = menu->addAction(tr("Pronunciation..."));
        open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
        QObject::connect(open, &QAction::triggered, window, [=] { windowOf(window, speech)->showList(); });
        if (auto *navigation = window->findChild<BookNavigation *>()) {
            menu->addSeparator();
            navigation->addMenuEntries(menu);
        }
        if (QAction *languages = window->findChild<QAction *>(QStringLiteral("languageSwitchAction"))) {
            menu->addSeparator();
            menu->addAction(languages);
        }
        menu->popup(textBox->viewport()->mapToGlobal(position));
    });
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [=] { windowOf(window, speech)->showList(); });
}

void PronunciationWindow::showList()
{
    show();
    raise();
    activateWindow();
    m_table->setFocus(Qt::OtherFocusReason);
}

void PronunciationWindow::addRuleFor(const QString &word)
{
    show();
    raise();
    activateWindow();
    const int row = m_table->rowCount();
    {
        m_loading = true;
        insertRow(row, {word, word});
        m_loading = false;
    }
    save();
    m_table->setFocus(Qt::OtherFocusReason);
    m_table->setCurrentCell(row, Spoken);
    // No editor opened here: the activation that follows the context menu
    // would close it again. Typing starts the edit.
    m_status->setText(tr("Type how \"%1\" is said, then press Enter.").arg(word));
}

void PronunciationWindow::chooseList(int index)
{
    const QString key = m_list->itemData(index).toString();
    m_path = key.isEmpty() ? PronunciationLists::commonFile() : PronunciationLists::languageFile(key);
    load();
}

void PronunciationWindow::load()
{
    QList<RuleProblem> problems;
    m_keptLines.clear();
    const QList<PronunciationRule> rules = PronunciationLists::load(m_path, &problems, &m_keptLines);
    m_loading = true;
    m_table->setRowCount(0);
    for (const PronunciationRule &rule : rules)
        insertRow(m_table->rowCount(), rule);
    m_loading = false;
    QStringList lines;
    for (const RuleProblem &problem : std::as_const(problems))
        lines << tr("Line %1 of %2 was skipped: %3.")
                     .arg(problem.line)
                     .arg(QFileInfo(m_path).fileName(), problem.message);
    m_status->setText(lines.join(u'\n'));
    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, Written);
    updateButtons();
}

void PronunciationWindow::insertRow(int row, const PronunciationRule &rule)
{
    m_table->insertRow(row);
    m_table->setItem(row, Written, new QTableWidgetItem(rule.written));
    m_table->setItem(row, Spoken, new QTableWidgetItem(rule.spoken));
    m_table->setItem(row, WholeWord, checkItem(rule.wholeWord));
    m_table->setItem(row, MatchCase, checkItem(rule.matchCase));
    m_table->setItem(row, Expression, checkItem(rule.regularExpression));
}

QList<PronunciationRule> PronunciationWindow::tableRules(QStringList *problems) const
{
    QList<PronunciationRule> rules;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        PronunciationRule rule;
        rule.written = m_table->item(row, Written)->text().trimmed();
        rule.spoken = m_table->item(row, Spoken)->text().trimmed();
        rule.wholeWord = m_table->item(row, WholeWord)->checkState() == Qt::Checked;
        rule.matchCase = m_table->item(row, MatchCase)->checkState() == Qt::Checked;
        rule.regularExpression = m_table->item(row, Expression)->checkState() == Qt::Checked;
        const QString problem = PronunciationFile::check(rule);
        if (problem.isEmpty())
            rules << rule;
        else if (problems)
            *problems << tr("Rule %1 is not in use: %2.").arg(row + 1).arg(problem);
    }
    return rules;
}

void PronunciationWindow::save()
{
    QStringList problems;
    const QList<PronunciationRule> rules = tableRules(&problems);
    QString error;
    if (!PronunciationLists::save(m_path, rules, m_keptLines, &error))
        problems.prepend(tr("The rules could not be saved in %1: %2.").arg(m_path, error));
    m_status->setText(problems.join(u'\n'));
    m_speech->pronunciation().invalidate();
    updateButtons();
}

void PronunciationWindow::addClicked()
{
    const int row = m_table->currentRow() >= 0 ? m_table->currentRow() + 1 : m_table->rowCount();
    m_loading = true;
    insertRow(row, {});
    m_loading = false;
    m_table->setFocus(Qt::OtherFocusReason);
    m_table->setCurrentCell(row, Written);
    m_table->editItem(m_table->item(row, Written));
    updateButtons();
}

void PronunciationWindow::editClicked()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    const int column = m_table->currentColumn() == Spoken ? Spoken : Written;
    m_table->setFocus(Qt::OtherFocusReason);
    m_table->setCurrentCell(row, column);
    m_table->editItem(m_table->item(row, column));
}

void PronunciationWindow::removeClicked()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    m_table->setFocus(Qt::OtherFocusReason);
    save();
}

void PronunciationWindow::move(int by)
{
    const int row = m_table->currentRow();
    const int other = row + by;
    if (row < 0 || other < 0 || other >= m_table->rowCount())
        return;
    const int column = m_table->currentColumn();
    m_loading = true;
    for (int c = 0; c < ColumnCount; ++c) {
        QTableWidgetItem *mine = m_table->takeItem(row, c);
        QTableWidgetItem *theirs = m_table->takeItem(other, c);
        m_table->setItem(row, c, theirs);
        m_table->setItem(other, c, mine);
    }
    m_loading = false;
    m_table->setCurrentCell(other, std::max(column, 0));
    // The button pressed may now be disabled; the focus goes back to the rules.
    m_table->setFocus(Qt::OtherFocusReason);
    save();
}

void PronunciationWindow::updateButtons()
{
    const int row = m_table->currentRow();
    m_edit->setEnabled(row >= 0);
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_table->rowCount());
}

void PronunciationWindow::sayIt()
{
    QString text = m_try->text();
    if (text.trimmed().isEmpty() && m_table->currentRow() >= 0)
        text = m_table->item(m_table->currentRow(), Written)->text();
    if (text.trimmed().isEmpty())
        return;
    // The rules of the list shown, as they stand in the table.
    const QString spoken = PronunciationRules(tableRules(nullptr)).apply(text).text;
    m_status->setText(tr("Saying: %1").arg(spoken));
    // One voice at a time: a running reading stops first.
    m_speech->Stop();
    // A trial voice per reading voice, made at its first trial: the
    // reading's own engine keeps its place in the text.
    const SpeakingVoice *reader = m_speech->selectedVoice();
    if (!reader)
        return;
    SpeakingVoice *&trial = m_trials[reader];
    if (!trial)
        trial = reader->twin(this);
    reader->sayThrough(*trial, spoken);
}
