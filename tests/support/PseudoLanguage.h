#pragma once

// The pseudo-language of the tests (translations/pseudo/bramblex_pseudo.qm of the build,
// made by scripts/make-pseudo-translation.py): every text that went through the
// translation shows as "⟦text···⟧", a third longer. What a window shows outside the
// markers bypassed the translation, unless it is data by rule (below).

#include "support/AccessibleLabels.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <memory>

// Installs the pseudo-language for as long as it lives.
class TPseudoLanguage {
public:
    TPseudoLanguage() {
        m_loaded =
            m_translator.load(QStringLiteral(BRAMBLEX_BINARY_DIR "/translations/pseudo/bramblex_pseudo.qm"));
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~TPseudoLanguage() { QCoreApplication::removeTranslator(&m_translator); }
    bool Loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// A language's name in that language ("Deutsch"), which a list of languages shows as
// its speakers look for it.
inline bool IsNativeLanguageName(const QString& text) {
    static const QSet<QString> names = [] {
        QSet<QString> all;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            all << locale.nativeLanguageName().toCaseFolded();
        return all;
    }();
    return names.contains(text.toCaseFolded());
}

// The part of a shown text that is not the program's own wording: what is left once
// the translated parts are taken out, when it still holds a word. By rule these are
// data, not wording: numbers, dates and units' symbols (no run of two letters), paths
// and file names, the instrument's names of models and spindles (letters with digits:
// "V2-L", "RV-07"), a language's own name, and the names in data (the names of files
// the window lists, the catalogue's names).
inline QString Untranslated(const QString& shown, const QStringList& data = {}) {
    static const QRegularExpression marked(QStringLiteral("\u27e6[^\u27e7]*\u27e7"));
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]{2,}"));
    static const QRegularExpression path(QStringLiteral("[/\\\\]|\\.[A-Za-z]{2,4}$"));
    static const QRegularExpression instrumentName(QStringLiteral("^[A-Z]+\\d+(-[A-Z0-9]+)?$|^[A-Z]+-\\d+$"));
    QString rest = shown;
    rest.remove(marked);
    rest = rest.trimmed();
    if (!word.match(rest).hasMatch() || path.match(rest).hasMatch() ||
        instrumentName.match(rest).hasMatch() || IsNativeLanguageName(rest) || data.contains(rest))
        return {};
    return rest;
}

inline QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Every visible text below top (its title, labels, buttons, group boxes, tabs, menus
// and tool bars, list headers and the entries of lists to choose from) that bypassed
// the translation, and every label or button whose text does not fit: "where: text".
// The standard buttons of a button box are Qt's, translated by Qt's own files. counted
// gets the number of texts checked.
inline QStringList PseudoLanguageProblems(QWidget* top, int* counted = nullptr,
                                          const QStringList& data = {}) {
    QStringList problems;
    auto check = [&](const QString& where, const QString& text) {
        if (text.trimmed().isEmpty())
            return;
        if (counted)
            ++*counted;
        if (const QString rest = Untranslated(text, data); !rest.isEmpty())
            problems << QStringLiteral("%1: \"%2\" bypassed the translation").arg(where, rest);
    };
    auto name = [](QObject* o) {
        return QStringLiteral("%1 %2").arg(o->metaObject()->className(), o->objectName());
    };
    if (top->isWindow())
        check(QStringLiteral("title of ") + name(top), top->windowTitle());
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("qt_")) || !w->isVisibleTo(top) ||
            (w != top && w->isWindow() && !qobject_cast<QMenu*>(w)))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QString shown = ShownText(label);
            if (shown.isEmpty() || !label->pixmap().isNull())
                continue;
            check(name(label), shown);
            const bool cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height() + 1
                                               : label->sizeHint().width() > label->width() + 1;
            if (cut && label->isVisible())
                problems << QStringLiteral("%1: \"%2\" is cut off (%3 wide, needs %4)")
                                .arg(name(label), shown)
                                .arg(label->width())
                                .arg(label->sizeHint().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // A tool bar's buttons are its actions' (checked below); a text a button
            // elides itself is cut off as well.
            if (qobject_cast<QToolBar*>(button->parentWidget()))
                continue;
            auto* box = qobject_cast<QDialogButtonBox*>(button->parentWidget());
            if (box && box->standardButton(button) != QDialogButtonBox::NoButton)
                continue;
            check(name(button), WithoutMnemonic(button->text()));
            if (!button->text().isEmpty() && !qobject_cast<QToolButton*>(button) && button->isVisible() &&
                button->sizeHint().width() > button->width() + 1)
                problems << QStringLiteral("%1: \"%2\" is cut off").arg(name(button), button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(name(group), WithoutMnemonic(group->title()));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(name(tabs) + QStringLiteral(" tab %1").arg(i), WithoutMnemonic(tabs->tabText(i)));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // An editable list holds what the operator types; the others offer choices.
            if (!combo->isEditable())
                for (int i = 0; i < combo->count(); ++i)
                    check(name(combo) + QStringLiteral(" entry %1").arg(i), combo->itemText(i));
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            if (QAbstractItemModel* model = view->model()) {
                auto* header = qobject_cast<QHeaderView*>(view);
                const Qt::Orientation orientation = header ? header->orientation() : Qt::Horizontal;
                if (header && !header->isHidden())
                    for (int i = 0; i < model->columnCount() && orientation == Qt::Horizontal; ++i)
                        check(name(view->parentWidget()) + QStringLiteral(" column %1").arg(i),
                              model->headerData(i, orientation).toString());
            }
        }
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QToolBar*>(w)) {
            // The menus' entries too, and theirs: they are windows only while open.
            QList<QAction*> actions = w->actions();
            for (qsizetype i = 0; i < actions.size(); ++i) {
                QAction* action = actions[i];
                if (action->isSeparator() || !action->isVisible())
                    continue;
                check(name(w) + QStringLiteral(" action ") + action->objectName(),
                      WithoutMnemonic(action->text()));
                if (action->menu())
                    actions << action->menu()->actions();
            }
        }
    }
    problems.removeDuplicates();
    return problems;
}
