#pragma once

// The tests' dialog service: records every box and chooser a window opened and
// answers from what the test queued. A question or chooser nobody scripted fails the
// test (and gets the default answer), so an unexpected prompt never goes unseen.

#include "ui/DialogService.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QUrl>

#include <deque>

class TScriptedDialogs : public TDialogService {
public:
    struct Shown {
        QString Kind; // "error", "warning", "information", "question", "open", "save", "folder", "beep",
                      // "about", "open-url",
                      // "colour" (Text: the preset colour)
        QString Text; // message, question text or chooser caption
    };

    std::vector<Shown> Log;
    std::deque<QMessageBox::StandardButton> Answers; // for Question, in order
    std::deque<QString> Paths;                       // for the choosers, in order ("" = cancel)
    std::deque<QColor> Colours;                      // for ChooseColour (invalid = cancel)

    void Error(QWidget*, const QString& message) override { Log.push_back({"error", message}); }
    void Warning(QWidget*, const QString& message) override { Log.push_back({"warning", message}); }
    void Information(QWidget*, const QString& message) override { Log.push_back({"information", message}); }
    // The title and the preselected button of every question, in order.
    QStringList QuestionTitles;
    std::vector<QMessageBox::StandardButton> QuestionDefaults;
    QMessageBox::StandardButton Question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton defaultButton) override {
        Log.push_back({"question", text});
        QuestionTitles << title;
        QuestionDefaults.push_back(defaultButton);
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return defaultButton;
        }
        const auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    QStringList OpenFilters; // the filter of every open chooser, in order
    QString OpenFileName(QWidget*, const QString& caption, const QString&, const QString& filter) override {
        OpenFilters << filter;
        return Chosen("open", caption);
    }
    QString SaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override {
        return Chosen("save", caption);
    }
    QString ExistingFolder(QWidget*, const QString& caption, const QString&) override {
        return Chosen("folder", caption);
    }
    void Beep() override { Log.push_back({"beep", QString()}); }
    void About(QWidget*, const QString&, const QString& text) override { Log.push_back({"about", text}); }
    // Records the address; answers OpenUrlResult.
    bool OpenUrl(QWidget*, const QUrl& url) override {
        Log.push_back({"open-url", url.toString()});
        return OpenUrlResult;
    }
    bool OpenUrlResult = true;
    bool ChooseColour(QWidget*, QColor& colour) override {
        Log.push_back({"colour", colour.name()});
        if (Colours.empty()) {
            ADD_FAILURE() << "unexpected colour dialog";
            return false;
        }
        const QColor chosen = Colours.front();
        Colours.pop_front();
        if (!chosen.isValid())
            return false;
        colour = chosen;
        return true;
    }

    std::deque<QString> Reasons; // for AskReason, in order ("" = cancel)
    bool AskReason(QWidget*, const QString& batchPath, QString& reason) override {
        Log.push_back({"reason", batchPath});
        if (Reasons.empty()) {
            ADD_FAILURE() << "unexpected reason dialog: " << batchPath.toStdString();
            return false;
        }
        reason = Reasons.front();
        Reasons.pop_front();
        return !reason.isEmpty();
    }

    // The texts shown of one kind, in order.
    QStringList Texts(const QString& kind) const {
        QStringList texts;
        for (const auto& shown : Log)
            if (shown.Kind == kind)
                texts.append(shown.Text);
        return texts;
    }
    int Count(const QString& kind) const { return static_cast<int>(Texts(kind).size()); }

private:
    QString Chosen(const QString& kind, const QString& caption) {
        Log.push_back({kind, caption});
        if (Paths.empty()) {
            ADD_FAILURE() << "unexpected " << kind.toStdString() << " chooser: " << caption.toStdString();
            return QString();
        }
        QString path = Paths.front();
        Paths.pop_front();
        return path;
    }
};
