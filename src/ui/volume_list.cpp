// Drive lists over the mounted volumes.
#include "ui/volume_list.h"

#include <QComboBox>
#include <QSocketNotifier>
#include <QStorageInfo>

#include <fcntl.h>
#include <unistd.h>

namespace schemist::ui {

QStringList mountedVolumeRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    roots.sort();
    if (!roots.contains("/"))
        roots.prepend("/");
    return roots;
}

void fillDriveList(QComboBox* list)
{
    const QString chosen = list->currentText();
    const QStringList roots = mountedVolumeRoots();
    if (roots == [&] { QStringList shown; for (int i = 0; i < list->count(); ++i) shown << list->itemText(i); return shown; }())
        return;
    QSignalBlocker quiet(list);
    list->clear();
    list->addItems(roots);
    int index = list->findText(chosen);
    list->setCurrentIndex(index >= 0 ? index : 0);
    if (index < 0 && !chosen.isEmpty()) {
        // The chosen volume went away: follow the change like a user's choice.
        quiet.unblock();
        emit list->currentTextChanged(list->currentText());
    }
}

QString volumeRootOf(const QString& path)
{
    QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QString("/");
}

MountWatcher::MountWatcher(QObject* parent) : QObject(parent)
{
    fd_ = ::open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    onNotified();  // reading arms the notification
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        onNotified();
        emit mountsChanged();
    });
}

MountWatcher::~MountWatcher()
{
    delete notifier_;
    if (fd_ >= 0)
        ::close(fd_);
}

// The mark stays until the table is read again.
void MountWatcher::onNotified()
{
    char buffer[4096];
    ::lseek(fd_, 0, SEEK_SET);
    while (::read(fd_, buffer, sizeof buffer) > 0) {
    }
}

}  // namespace schemist::ui
