#pragma once

#include <QLabel>

// A label whose caption follows the access-key convention: "&&" shows as
// one "&", and a single "&" only marks the next letter.
class HintLabel : public QLabel {
    Q_OBJECT

public:
    explicit HintLabel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    static QString shownText(const QString &caption);

private:
    QString m_caption;
};
