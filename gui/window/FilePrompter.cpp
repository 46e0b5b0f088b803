#include "gui/window/FilePrompter.h"

#include <QDir>
#include <QFileDialog>

namespace zomar {

QString DialogFilePrompter::choose(const FileRequest &request)
{
    QFileDialog dialog(m_parent, request.caption, request.folder, request.filter);
    if (request.mode == FileRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.suggestedName.isEmpty())
            dialog.selectFile(QDir(request.folder).filePath(request.suggestedName));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace zomar
