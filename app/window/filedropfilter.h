#pragma once

#include <QByteArrayList>
#include <QObject>

// Takes file drops for the widgets it watches: the list, the hint and the
// hint's text all accept the same drops with the copy effect.
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    explicit FileDropFilter(QObject *parent = nullptr);
    // Makes widget accept drops and routes them here.
    void watch(QWidget *widget);

signals:
    // The dropped paths' bytes, as the file manager named them.
    void filesDropped(const QByteArrayList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
