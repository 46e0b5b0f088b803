#pragma once
// The station setup's labels and product serials: where each unit's label
// goes (none, a PDF folder, a system printer or a label printer), its
// template, and the pattern of the product serials technicians scan (none
// asks for no serial).

#include "core/stationsetup/StationFile.h"

#include <QGroupBox>

class QLineEdit;

namespace zomar {

class FilePrompter;

class TraceSetupBox : public QGroupBox
{
    Q_OBJECT
public:
    TraceSetupBox(const StationSetup &setup, const QString &stationFile, FilePrompter &files,
                  QWidget *parent = nullptr);

    void apply(StationSetup &setup) const;
    // Why labels or serials cannot be used as written, or "".
    QString problem() const;
    // Its fields and buttons in the order Tab takes them.
    QList<QWidget *> tabOrder() const;

private:
    QString m_stationFile;
    FilePrompter &m_files;
    QLineEdit *m_label;
    QLineEdit *m_template;
    QWidget *m_browse;
    QLineEdit *m_pattern;
};

} // namespace zomar
