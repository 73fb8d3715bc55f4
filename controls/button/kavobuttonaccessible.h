#pragma once

#include <QAccessibleWidget>

class KAVOButton;

// What a screen reader learns of a KAVOButton: a push button, or a check
// box with its state in check mode, named by its caption as shown (without
// the padding blanks and the access-key marks), described by its tool tip,
// and pressed as the Space key presses it.
class KAVOButtonAccessible : public QAccessibleWidget {
public:
    explicit KAVOButtonAccessible(KAVOButton *button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // The caption as it reads on the button: "&&" is one "&", a single "&"
    // only marks the access key, and blanks around it only pad it.
    static QString shownCaption(const QString &caption);

private:
    KAVOButton *button() const;
    void pressAsSpace();
};
