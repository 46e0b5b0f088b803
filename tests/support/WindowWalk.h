#pragma once
// Every window and dialog of the programs, made for a test, and walks over
// what they show: texts cut, elided or covering one another, texts that did
// not go through the translation, a pseudo-translation that makes every
// text accented and about 40 % longer.

#include "core/settings/AppSettings.h"
#include "tests/support/AnsweringFiles.h"

#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>
#include <utility>

namespace zomar {
class StationWindow;
}

namespace zomar::test {

// "Connect" -> "[Çôññéçţ ~~~]": accents on letters, placeholders (%1, %n),
// mnemonic letters and line breaks kept, and some 40 % more characters.
QString pseudoText(const QString &source);
// Whether a shown text came from pseudoText.
bool isPseudo(const QString &shown);

// Answers every lookup with its pseudo-translation and keeps the
// (context, source) pairs asked for.
class PseudoTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
    mutable QSet<std::pair<QString, QString>> asked;
};

// The windows and dialogs, each shown; the setup window shows each of its
// pages in turn through showPage().
class AllWindows
{
public:
    AllWindows();
    ~AllWindows();

    FormHarness &form() { return *m_form; }
    StationWindow &station() { return *m_station; }
    // Every top-level window and dialog but the setup window, shown.
    QList<QWidget *> dialogs() const;
    // Shows page `index` (0..3) of the setup window.
    void showPage(int index);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FormHarness> m_form;
    AnsweringFiles m_files;
    std::unique_ptr<AppSettings> m_stationSettings;
    RecordingPrompter m_stationMessages;
    std::unique_ptr<StationWindow> m_station;
    QList<QPointer<QWidget>> m_dialogs;
};

// What is wrong with the texts `window` shows: a label, button, tab, group
// title, check box, header or menu whose text does not fit, an elided one,
// texts that cover one another. Empty when all is well.
QStringList textProblems(QWidget *window);
// The texts `window` shows (widgets and its menu bar's menus), each with
// where it is.
QList<std::pair<QString, QString>> shownTexts(QWidget *window);

} // namespace zomar::test
