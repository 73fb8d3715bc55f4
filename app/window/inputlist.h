#pragma once

#include "app/eventpump.h"

#include <QByteArrayList>
#include <QObject>

#include <string>

class CCommonDialogs;
class HintLabel;
class QListWidget;
class QWidget;

// The ways the person fills and empties the input list: one file through
// the Open dialog, a folder tree, dropped files, paths given to the program
// when it starts or to a later copy, and the two remove commands; and the
// drop hint shown while the list is empty.
class InputList : public QObject {
    Q_OBJECT

public:
    InputList(QListWidget *list, QWidget *hint, HintLabel *hintText, CCommonDialogs &dialogs,
              EventPump &events, QObject *parent = nullptr);

    void addOneFile();
    void AddFolder();
    // Both take files as the Open dialog adds them and search folders as
    // AddFolder searches them, in the order given.
    void addDroppedFiles(const QByteArrayList &paths);
    void addGivenPaths(const QByteArrayList &paths);
    void removeSelected();
    void removeAll();

private:
    void showHintIfEmpty();
    void addFilesAndFolders(const QByteArrayList &paths);
    void searchFolderShowingHint(const std::string &folder);

    QListWidget *m_list;
    QWidget *m_hint;
    HintLabel *m_hintText;
    CCommonDialogs &m_dialogs;
    EventPump &m_events;
};
