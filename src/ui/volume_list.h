// The drive lists: the mounted volumes, and a watch on the mount table that
// tells when volumes come or go.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QSocketNotifier;

namespace schemist::ui {

// Root paths of the mounted, ready volumes, "/" first.
QStringList mountedVolumeRoots();

// Fills a drive list, keeping its choice when that volume is still there.
void fillDriveList(QComboBox* list);

// The root of the volume that holds the path.
QString volumeRootOf(const QString& path);

// The kernel marks /proc/self/mounts with POLLPRI whenever the mount table
// changes; a socket notifier of the exception kind hears it.
class MountWatcher : public QObject {
    Q_OBJECT
public:
    explicit MountWatcher(QObject* parent);
    ~MountWatcher() override;

signals:
    void mountsChanged();

private:
    void onNotified();
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace schemist::ui
