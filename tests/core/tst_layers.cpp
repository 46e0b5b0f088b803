// The layers of the build: every include goes to the file's own layer or to
// one below it, as the table the build writes from CMakeLists.txt declares;
// and the core speaks to no user directly: no file in core/ names a
// command-line option, a command or a widget. The build runs the first two
// checks before it compiles anything ("layers" target), so a wrong-way
// include stops it with the file and the line.


#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>


namespace {

// One row of the table the build writes: a library, the folders (or single
// files) it is made of, and the libraries it links.
struct Layer {
    QString name;
    QStringList folders;
    QStringList uses;
};

// "name|folder,folder|use,use" a line.
QList<Layer> parseTable(const QString &text)
{
    QList<Layer> table;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char('|'));
        if (parts.size() != 3)
            continue;
        table.append({parts[0], parts[1].split(QLatin1Char(','), Qt::SkipEmptyParts),
                      parts[2].split(QLatin1Char(','), Qt::SkipEmptyParts)});
    }
    return table;
}

// The layer a path belongs to (the longest folder that holds it), or nullptr.
const Layer *ownerOf(const QList<Layer> &table, const QString &path)
{
    const Layer *owner = nullptr;
    qsizetype longest = 0;
    for (const Layer &layer : table)
        for (const QString &folder : layer.folders)
            if ((path == folder || path.startsWith(folder + QLatin1Char('/'))) &&
                folder.size() > longest) {
                owner = &layer;
                longest = folder.size();
            }
    return owner;
}

// A layer and every layer beneath it.
QStringList reachable(const QList<Layer> &table, const QString &name)
{
    QStringList found{name};
    for (qsizetype i = 0; i < found.size(); ++i)
        for (const Layer &layer : table)
            if (layer.name == found[i])
                for (const QString &use : layer.uses)
                    if (!found.contains(use))
                        found << use;
    return found;
}

// "file:line: ..." for each include of text (the contents of file) that
// leaves its layer upward or sideways.
QStringList includeProblems(const QList<Layer> &table, const QString &file, const QString &text)
{
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""));
    const Layer *own = ownerOf(table, file);
    if (!own)
        return {};
    const QStringList allowed = reachable(table, own->name);
    QStringList problems;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch m = include.match(lines[i]);
        const QString target = m.captured(1);
        if (!m.hasMatch() || !target.contains(QLatin1Char('/')))
            continue; // a system header, or one made beside the file (moc, ui)
        const QString where = QStringLiteral("%1:%2: %3 includes %4")
                                  .arg(file).arg(i + 1).arg(own->name, target);
        const Layer *theirs = ownerOf(table, target);
        if (!theirs)
            problems << where + QStringLiteral(", which no layer holds");
        else if (!allowed.contains(theirs->name))
            problems << where + QStringLiteral(" of %1, which is not below it (it may include %2)")
                                    .arg(theirs->name, allowed.join(QStringLiteral(", ")));
    }
    return problems;
}

// What a comment or a string literal of text says, a segment a line.
QStringList spokenParts(const QString &text)
{
    enum { Code, String, Char, LineComment, BlockComment } state = Code;
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        const bool inside = state != Code;
        switch (state) {
        case Code:
            if (c == QLatin1Char('"'))
                state = String;
            else if (c == QLatin1Char('\'') && !(i > 0 && text[i - 1].isLetterOrNumber()))
                state = Char; // not a digit separator (430'000)
            else if (c == QLatin1Char('/') && next == QLatin1Char('/'))
                state = LineComment, ++i;
            else if (c == QLatin1Char('/') && next == QLatin1Char('*'))
                state = BlockComment, ++i;
            break;
        case String:
        case Char:
            if (c == QLatin1Char('\\'))
                part += text[++i];
            else if (c == QLatin1Char(state == String ? '"' : '\''))
                state = Code;
            else
                part += c;
            break;
        case LineComment:
            if (c == QLatin1Char('\n'))
                state = Code;
            else
                part += c;
            break;
        case BlockComment:
            if (c == QLatin1Char('*') && next == QLatin1Char('/'))
                state = Code, ++i;
            else
                part += c;
            break;
        }
        if ((inside && state == Code) || c == QLatin1Char('\n')) {
            if (!part.isEmpty())
                parts << part;
            part.clear();
        }
    }
    if (!part.isEmpty())
        parts << part;
    return parts;
}

// The words of text that belong to a front end: a command-line option or
// command of ours said in a comment or a message, a widget class or a
// control of the window anywhere. Another program's options ("apt-get
// install --reinstall") are that program's.
QStringList frontEndWords(const QString &text)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--[a-z][a-z0-9-]*"));
    static const QRegularExpression command(QStringLiteral("zomar-cli [a-z]+"));
    static const QRegularExpression foreign(
        QStringLiteral("\\b(apt-get|apt|createuser|psql|pg_ctl|initdb|dpkg|systemctl)\\b"));
    static const QRegularExpression widget(QStringLiteral(
        "\\bQ(Widget|Dialog|MainWindow|Label|PushButton|ComboBox|LineEdit|MessageBox|"
        "Application|SpinBox|CheckBox|TextEdit|PlainTextEdit|TabWidget|ToolTip|Menu|Action)\\b|"
        "\\bQtWidgets\\b|\\b(Combo|Text|Command|Check|Frame|Option|Picture)[0-9]+\\b"));
    QStringList words;
    const auto add = [&words](const QString &word) {
        if (!words.contains(word))
            words << word;
    };
    for (const QString &part : spokenParts(text)) {
        for (const QRegularExpressionMatch &m : command.globalMatch(part))
            add(m.captured());
        if (foreign.match(part).hasMatch())
            continue;
        for (const QRegularExpressionMatch &m : option.globalMatch(part))
            add(m.captured());
    }
    for (const QRegularExpressionMatch &m : widget.globalMatch(text))
        add(m.captured());
    return words;
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    void rulesCatchWrongWayIncludes_data();
    void rulesCatchWrongWayIncludes();
    void coreWordsOf_data();
    void coreWordsOf();
    void includesGoDownward();
    void coreNamesNoOptionOrWidget();
};

namespace {

const char kSmallTable[] = "zomar_files|core/files|\n"
                           "zomar_link|core/link|zomar_files\n"
                           "zomar_protocol|core/protocol|zomar_link\n"
                           "zomar_version|core/Version.h|\n"
                           "zomar_gui|gui|zomar_protocol,zomar_version\n";

QList<Layer> projectLayers()
{
    QFile file(QStringLiteral(ZOMAR_LAYERS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseTable(QString::fromUtf8(file.readAll()));
}

QStringList sourcesUnder(const QString &root, const QString &folder)
{
    QStringList files;
    QDirIterator it(root + QLatin1Char('/') + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString textOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void TestLayers::rulesCatchWrongWayIncludes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem"); // "" for none; else a part of it

    QTest::newRow("own layer") << "core/link/A.cpp" << "#include \"core/link/B.h\"\n" << "";
    QTest::newRow("one below") << "core/protocol/A.h" << "#include \"core/link/B.h\"\n" << "";
    QTest::newRow("two below") << "gui/x/A.cpp" << "#include \"core/files/W.h\"\n" << "";
    QTest::newRow("system header") << "core/link/A.cpp" << "#include <QString>\n" << "";
    QTest::newRow("declared leaf") << "gui/x/A.cpp" << "#include \"core/Version.h\"\n" << "";
    QTest::newRow("in a comment") << "core/link/A.cpp" << "// #include \"gui/x/B.h\"\n" << "";
    QTest::newRow("upward") << "core/link/A.h" << "#include \"core/protocol/B.h\"\n"
                            << "core/link/A.h:1: zomar_link includes core/protocol/B.h of zomar_protocol";
    QTest::newRow("to the top") << "core/files/A.cpp" << "\n  #  include \"gui/x/B.h\"\n"
                                << "core/files/A.cpp:2: zomar_files includes gui/x/B.h of zomar_gui";
    QTest::newRow("undeclared leaf") << "core/link/A.cpp" << "#include \"core/Version.h\"\n"
                                     << "of zomar_version";
    QTest::newRow("no layer") << "core/link/A.cpp" << "#include \"core/nowhere/B.h\"\n"
                              << "core/nowhere/B.h, which no layer holds";
}

void TestLayers::rulesCatchWrongWayIncludes()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, problem);

    const QList<Layer> table = parseTable(QString::fromLatin1(kSmallTable));
    QCOMPARE(table.size(), 5);
    const QStringList found = includeProblems(table, file, text);
    if (problem.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(found.size(), 1);
        QVERIFY2(found.first().contains(problem), qPrintable(found.first()));
    }
}

void TestLayers::coreWordsOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("option in a message")
        << "return QStringLiteral(\"give this run a --station of its own\");"
        << QStringList{QStringLiteral("--station")};
    QTest::newRow("command in a message")
        << "msg = \"run `zomar-cli records init --store %1`\";"
        << QStringList{QStringLiteral("zomar-cli records"), QStringLiteral("--store")};
    QTest::newRow("option in a comment") << "int x; // as --port-map takes it"
                                         << QStringList{QStringLiteral("--port-map")};
    QTest::newRow("decrement") << "    --m_pending;\n    for (;; --i)" << QStringList{};
    QTest::newRow("program and version") << "// who runs, e.g. \"zomar-cli 1.0.1\"" << QStringList{};
    QTest::newRow("another program's option")
        << "\"(apt-get install --reinstall libqt6sql6-psql)\"" << QStringList{};
    QTest::newRow("widget class") << "#include <QComboBox>\nQWidget *w;"
                                  << QStringList{QStringLiteral("QComboBox"), QStringLiteral("QWidget")};
    QTest::newRow("control name") << "QString band; // Combo6" << QStringList{QStringLiteral("Combo6")};
}

void TestLayers::coreWordsOf()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(frontEndWords(text), words);
}

void TestLayers::includesGoDownward()
{
    const QList<Layer> table = projectLayers();
    QVERIFY2(table.size() > 8, ZOMAR_LAYERS_FILE);
    QStringList problems;
    int files = 0;
    for (const Layer &layer : table)
        for (const QString &folder : layer.folders)
            for (const QString &file : sourcesUnder(QStringLiteral(ZOMAR_SOURCE_DIR), folder)) {
                ++files;
                problems << includeProblems(table, file,
                                            textOf(QStringLiteral(ZOMAR_SOURCE_DIR "/") + file));
            }
    QVERIFY(files > 100);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestLayers::coreNamesNoOptionOrWidget()
{
    QStringList problems;
    const QStringList files = sourcesUnder(QStringLiteral(ZOMAR_SOURCE_DIR), QStringLiteral("core"));
    QVERIFY(files.size() > 50);
    for (const QString &file : files) {
        const QStringList words = frontEndWords(textOf(QStringLiteral(ZOMAR_SOURCE_DIR "/") + file));
        if (!words.isEmpty())
            problems << QStringLiteral("%1 names %2").arg(file, words.join(QStringLiteral(", ")));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
