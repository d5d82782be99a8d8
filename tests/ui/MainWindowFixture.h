#pragma once

// A main window on a scratch storage tree seeded from the source template tree, with
// its own per-user values and journal folder, answered by scripted dialogs.

#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "storage/FileItem.h"
#include "support/AccessibleLabels.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/FormLocal.h"
#include "ui/FormMain.h"
#include "ui/FormViewBatch.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The controls of top (visible ones, Qt's own parts aside) that a screen reader could
// not name (no name given, nor a text of their own): "class objectName" of each.
// counted gets the number of controls checked.
inline QStringList UnnamedControls(QWidget* top, int* counted = nullptr) {
    QStringList unnamed;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->objectName().startsWith("qt_") || !w->isVisibleTo(top))
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QLineEdit*>(w) || qobject_cast<QTabBar*>(w) || qobject_cast<QProgressBar*>(w) ||
            qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w)) {
            // A combo box's own line edit and a scroll area's bars speak for their owner.
            if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QScrollBar*>(w))
                continue;
            if (counted)
                ++*counted;
            if (AccessibleNameOf(w).trimmed().isEmpty())
                unnamed << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
        }
    }
    return unnamed;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Set("BRAMBLEX_STORAGE_ROOT", Dir.File("storage"));
        Set("BRAMBLEX_CONFIG_DIR", Dir.File("config"));
        Set("BRAMBLEX_TEMPLATE_DIR", QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template"));
        Set("XDG_STATE_HOME", Dir.File("state"));
    }
    void TearDown() override {
        Form.reset();
        for (const QByteArray& name : m_set)
            qunsetenv(name.constData());
    }

    void Set(const char* name, const QString& value) {
        qputenv(name, QFile::encodeName(value));
        m_set << name;
    }

    QString Storage() const { return Dir.File("storage") + QLatin1Char('/'); }
    QString Local() const { return Storage() + QStringLiteral("Local/"); }

    // Writes settings.xml before the window starts (the template's asks for a model).
    void WriteSettings(const std::vector<std::pair<QString, QString>>& values) {
        QDir().mkpath(Storage() + QStringLiteral("Settings"));
        TSettings settings;
        settings.FileName = Storage() + QStringLiteral("Settings/settings.xml");
        for (const auto& [key, value] : values)
            settings.Item(key).SetString(value);
        settings.Save();
    }

    // A batch file with model, spindle, processes and readings.
    static void WriteBatch(const QString& path, int model, int spindle, int readings = 0, int processes = 0) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        TBatchItem batch;
        batch.ModelType = static_cast<uint8_t>(model);
        batch.SpindleType = static_cast<uint8_t>(spindle);
        batch.SelectedYAxis = QStringLiteral("0");
        for (int i = 0; i < processes; ++i) {
            TProcessItem* p = batch.Processes.Add();
            p->Identifier = QStringLiteral("Process %1").arg(i + 1);
            p->RPMStart = 14;
            p->RPMEnd = 14;
            p->Time = 2;
            p->MeasurementCount = 2;
        }
        for (int i = 0; i < readings; ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->DateTime = 45000.5 + i / 86400.0;
            m->Viscosity = 100.0 + i;
            m->Temperature = 25.0;
            m->RPMCode = 14;
        }
        batch.SaveToFile(path);
    }

    static int Readings(const QString& path) {
        TBatchItem batch;
        batch.LoadFromFile(path);
        return batch.Measurements.Count();
    }

    // Starts the window (creation and show steps) and lets the tree settle.
    void Start(bool show = true) {
        Form = std::make_unique<TFormMain>(Dialogs);
        ASSERT_TRUE(Form->Create());
        if (show) {
            Form->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        } else {
            Form->BuildInterface();
        }
        QApplication::processEvents();
    }

    QAction* A(const char* name) const {
        QAction* action = Form->Action(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    bool Enabled(const char* name) {
        Form->UpdateActions();
        return A(name)->isEnabled();
    }

    // Selects the folder's node and gives the folder list the focus.
    void ShowFolder(const QString& folder) {
        QTreeWidgetItem* node = Form->NodeOfFolder(folder);
        ASSERT_NE(node, nullptr) << folder.toStdString();
        Form->SelectNode(node);
        QApplication::processEvents();
    }
    void SelectInList(const QString& path) {
        Form->FormLocal()->ListViewLocal()->setFocus();
        Form->FormLocal()->SelectPath(path);
        QApplication::processEvents();
    }

    static bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    TempDir Dir;
    TScriptedDialogs Dialogs;
    std::unique_ptr<TFormMain> Form;

private:
    QList<QByteArray> m_set;
};
