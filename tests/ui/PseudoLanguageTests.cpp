// Every window and dialog in the pseudo-language: a text shown outside its markers
// bypassed the translation, and a label or button too narrow for a text a third
// longer than the English one is cut off in German, French or Spanish.

#include "MainWindowFixture.h"

#include "audit/AuditTrail.h"
#include "audit/Signing.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/PasswordCheck.h"
#include "storage/StoragePaths.h"
#include "support/PseudoLanguage.h"
#include "ui/FormAuditTrail.h"
#include "ui/FormPreferences.h"
#include "ui/FormProcessWizard.h"
#include "ui/FormQcLimitSets.h"
#include "ui/FormReports.h"
#include "ui/FormSign.h"
#include "ui/KorvTabBar.h"

#include <QDirIterator>
#include <QStackedWidget>

class PseudoLanguageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(Language.Loaded());
    }
    // Windows are built after the language is installed, as at a start.
    TPseudoLanguage Language;
};

namespace {

// What the windows show as data: the instrument's model and spindle names, and the
// names of the storage tree's files (a report's tab is named after its file).
QStringList DataNames(const QString& storage = QString()) {
    QStringList names;
    for (const char* name : ModelNames)
        names << QString::fromLatin1(name);
    for (const char* name : SpindleNames)
        names << QString::fromLatin1(name);
    if (!storage.isEmpty())
        for (QDirIterator it(storage, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            names << QFileInfo(it.next()).completeBaseName();
    return names;
}

} // namespace

TEST_F(PseudoLanguageTest, TheMainWindowItsViewsAndTheReportListShowOnlyTranslatedTexts) {
    PrepareStorageAt(Storage());
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString batch = Local() + "Lab/Run.epb";
    WriteBatch(batch, 2, 1, 3, 1);
    Start();
    Form->resize(1280, 800);
    ShowFolder(Local() + "Lab");
    SelectInList(batch);
    TFormViewBatch* view = Form->FormViewBatch();
    ASSERT_TRUE(view->isVisible());

    QStringList problems;
    int counted = 0;
    // BRAMBLEX_SCREENSHOTS: a folder to keep a picture of each state in, to look at.
    const QString shots = qEnvironmentVariable("BRAMBLEX_SCREENSHOTS");
    for (int tab = 0; tab < view->KorvTabPreview()->count(); ++tab) {
        view->SetTabIndex(tab);
        QApplication::processEvents();
        problems << PseudoLanguageProblems(Form.get(), &counted, DataNames(Storage()));
        if (!shots.isEmpty())
            Form->grab().save(QStringLiteral("%1/pseudo-main-%2.png").arg(shots).arg(tab));
    }
    view->ShowRunStatus(Tr("Please Wait..."), 0, 0);
    problems << PseudoLanguageProblems(Form.get(), &counted, DataNames(Storage()));

    Form->SelectNode(Form->ReportsNode());
    QApplication::processEvents();
    problems << PseudoLanguageProblems(Form.get(), &counted, DataNames(Storage()));

    EXPECT_GE(counted, 100) << "menus, tool bar, header, processes, measurements, reports";
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PseudoLanguageTest, ThePreferencesAndTheProcessWizardShowOnlyTranslatedTexts) {
    QStringList problems;
    int counted = 0;
    TFormPreferences preferences(Dialogs, {QStringLiteral("/dev/ttyS0")});
    TSettings settings;
    preferences.LoadSettings(settings);
    preferences.show();
    for (int page = 0; page < preferences.Pages()->count(); ++page) {
        preferences.Pages()->setCurrentIndex(page);
        QApplication::processEvents();
        problems << PseudoLanguageProblems(&preferences, &counted, DataNames());
    }

    TFormProcessWizard wizard(Dialogs);
    wizard.Prepare(1, false);
    wizard.show();
    QApplication::processEvents();
    for (int page = 0; page < 8 && wizard.currentPage(); ++page) {
        problems << PseudoLanguageProblems(&wizard, &counted, DataNames());
        const int before = wizard.currentId();
        wizard.next();
        QApplication::processEvents();
        if (wizard.currentId() == before)
            break;
    }
    EXPECT_GE(counted, 40);
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The checker itself: a text that bypassed the translation and a cut-off label are
// found, data is not taken for either.
TEST(PseudoLanguageCheck, FindsBypassedAndCutOffTextsButNotData) {
    EXPECT_EQ(Untranslated(QStringLiteral("Bypassed")), QStringLiteral("Bypassed"));
    EXPECT_EQ(Untranslated(QStringLiteral("\u27e6Batch:\u00b7\u27e7 extra")), QStringLiteral("extra"));
    for (const char* data : {"\u27e6Batch\u00b7\u00b7\u27e7", "12.5", "25.0 \u00b0C", "3/12/2026 10:15",
                             "/tmp/x/Run.epb", "Run.epb", "V2-L", "RV-07", "LV1", ""})
        EXPECT_EQ(Untranslated(QString::fromUtf8(data)), QString()) << data;

    QWidget window;
    auto* label = new QLabel(
        QString::fromUtf8("\u27e6A rather long caption that needs room\u00b7\u00b7\u27e7"), &window);
    label->setObjectName(QStringLiteral("LabelNarrow"));
    label->setGeometry(0, 0, 40, 20);
    window.show();
    const QStringList problems = PseudoLanguageProblems(&window);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.first().contains(QStringLiteral("LabelNarrow"))) << problems.first().toStdString();
}

namespace {

class TRefusingCheck : public TPasswordCheck {
public:
    TPasswordCheckResult Check(const QString&, const QString&) override { return {}; }
};

} // namespace

TEST_F(PseudoLanguageTest, TheQcLimitSetsAuditTrailAndSignWindowsShowOnlyTranslatedTexts) {
    PrepareStorageAt(Storage());
    const QString batch = Local() + "Lab/Run.epb";
    WriteBatch(batch, 2, 1, 3, 1);
    {
        // A batch with records, so that the trail's window shows its state and table.
        TBatchItem item;
        item.LoadFromFile(batch);
        item.Operator = QStringLiteral("Ada");
        item.SaveToFile(batch, TAuditEntry::HeaderChanged("Operator", "", "Ada"), TAuditRecorder{});
    }
    QStringList problems;
    int counted = 0;
    const QString shots = qEnvironmentVariable("BRAMBLEX_SCREENSHOTS");
    QStringList data = DataNames(Storage()) << QStringLiteral("Lab");

    TFormQcLimitSets limits(Local() + "Lab", SettingsFolder(), LocalFolder(), Dialogs);
    limits.resize(limits.sizeHint());
    limits.show();
    limits.NewLimitSet();
    QApplication::processEvents();
    problems << PseudoLanguageProblems(&limits, &counted, data);
    if (!shots.isEmpty())
        limits.grab().save(shots + "/pseudo-qc-limit-sets.png");

    TFormAuditTrail trail(batch, Dialogs);
    trail.resize(trail.sizeHint());
    trail.show();
    QApplication::processEvents();
    problems << PseudoLanguageProblems(&trail, &counted, data);
    if (!shots.isEmpty())
        trail.grab().save(shots + "/pseudo-audit-trail.png");

    TRefusingCheck check;
    TSigningGuard guard(check, [] { return QDateTime::currentDateTime(); });
    TAuditContext context;
    context.User = {QStringLiteral("ada"), QStringLiteral("Ada Lovelace"), QStringLiteral("lab")};
    TFormSign sign(batch, guard, context);
    sign.resize(sign.sizeHint());
    sign.show();
    QApplication::processEvents();
    problems << PseudoLanguageProblems(&sign, &counted,
                                       data << QStringLiteral("ada") << QStringLiteral("Ada Lovelace"));
    if (!shots.isEmpty())
        sign.grab().save(shots + "/pseudo-sign.png");

    EXPECT_GE(counted, 25);
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}
