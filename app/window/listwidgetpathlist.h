#pragma once

#include "app/pathlist.h"

class QListWidget;

// The window's list box as the ordered list the conversion job consumes.
class ListWidgetPathList : public PathList {
public:
    explicit ListWidgetPathList(QListWidget *list) : m_list(list) {}

    int count() const override;
    std::string entry(int index) const override;
    void removeEntry(int index) override;
    void append(const std::string &path) override;

private:
    QListWidget *m_list;
};
