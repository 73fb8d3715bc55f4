#pragma once

#include "dialogs/dialogbackend.h"

#include <functional>

// Plays the person at the standard dialogs: records what each one was asked
// to show and answers with the scripted choice (nothing means Cancel).
// Installs itself for its lifetime.
class ScriptedDialogs : public DialogBackend {
public:
    ScriptedDialogs() { setInstance(this); }
    ~ScriptedDialogs() override { setInstance(nullptr); }

    std::optional<QString> openFile(QWidget *, const FileRequest &request) override
    {
        lastFile = request;
        return fileChoice;
    }
    std::optional<QString> saveFile(QWidget *, const FileRequest &request) override
    {
        lastFile = request;
        return fileChoice;
    }
    std::optional<QString> folder(QWidget *, const QString &title) override
    {
        lastTitle = title;
        if (onFolder)
            onFolder();
        return fileChoice;
    }
    std::optional<QColor> color(QWidget *, QColor initial, bool) override
    {
        lastColor = initial;
        return colorChoice;
    }
    std::optional<FontChoice> font(QWidget *, const FontChoice &initial) override
    {
        lastFont = initial;
        return fontChoice;
    }
    bool print(QWidget *) override { return printAnswer; }
    bool printerProperties(QWidget *) override { return printAnswer; }

    FileRequest lastFile;
    QString lastTitle;
    QColor lastColor;
    FontChoice lastFont;
    std::optional<QString> fileChoice;
    std::optional<QColor> colorChoice;
    std::optional<FontChoice> fontChoice;
    bool printAnswer = false;
    std::function<void()> onFolder;
};
