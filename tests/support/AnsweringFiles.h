#pragma once
// The file-dialog seam of a window under test: records each request and
// answers with the paths queued, "" (cancelled) when none is left.

#include "gui/window/FilePrompter.h"
#include "tests/support/FormHarness.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace zomar::test {

class AnsweringFiles : public FilePrompter
{
public:
    QString choose(const FileRequest &request) override
    {
        asked.append(request);
        if (onAsk)
            onAsk();
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QList<FileRequest> asked;
    QStringList answers;
    std::function<void()> onAsk; // runs while the dialog would be up
};

// A window under test whose file dialogs are answered.
struct HarnessWithFiles {
    explicit HarnessWithFiles(const FormHarness::Options &options = {}) : h(options)
    {
        h.form().setFilePrompter(files);
    }
    FormHarness h;
    AnsweringFiles files;
};

} // namespace zomar::test
