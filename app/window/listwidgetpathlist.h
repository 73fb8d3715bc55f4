#pragma once

#include "app/pathlist.h"

#include <Qt>

class QListWidget;

// The window's list box as the ordered list the conversion job consumes.
// Each entry keeps its path's bytes exactly as they came, so a name that is
// not UTF-8 (GBK from an archive made on Windows) still opens and gives its
// PDF the same bytes; the list shows the path decoded (PathText).
class ListWidgetPathList : public PathList {
public:
    // The item data role that holds an entry's path bytes (a QByteArray).
    static constexpr int PathBytesRole = Qt::UserRole;

    // Makes the list's entries one height: the job removes the top entry
    // once per file, and entries of their own heights would each be laid
    // out again after every removal.
    explicit ListWidgetPathList(QListWidget *list);

    int count() const override;
    std::string entry(int index) const override;
    void removeEntry(int index) override;
    void append(const std::string &path) override;

    // Lays the list out again if entries left it since the last call. The
    // view puts that off to a zero-time timer and draws no entry until it
    // fires; each removal starts the timer again, so in a run that removes
    // entries in every slice of steps it never fired, and the list stayed
    // blank to the end.
    void layOutAfterRemovals();

private:
    QListWidget *m_list;
    bool m_entriesRemoved = false;
};
