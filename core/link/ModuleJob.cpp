#include "core/link/ModuleJob.h"

#include "core/link/SerialLink.h"

#include <QFile>

#include <sys/stat.h>

namespace zomar {

ModuleJob ModuleJob::nodeOf(const QString &device)
{
    ModuleJob job;
    job.node = SerialLink::canonicalDevice(device);
    struct stat st {};
    if (!job.node.isEmpty() && ::stat(QFile::encodeName(job.node).constData(), &st) == 0)
        job.nodeId = quint64(st.st_rdev);
    else
        job.node.clear();
    return job;
}

bool ModuleJob::stillThere() const
{
    if (node.isEmpty())
        return true;
    // The socket's link (when it came through one) must still lead there too.
    const ModuleJob now = nodeOf(device);
    return now.node == node && now.nodeId == nodeId &&
           (byPath.isEmpty() || SerialLink::canonicalDevice(byPath) == node);
}

} // namespace zomar
