#include "PageNavigator.h"
#include "PageWindow.h"
#include "Placement.h"
#include "TestProgram.h"

#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using halvora::PageWindow;

class TestMenus : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_program.start()); }
    void cleanup() { m_program.stop(); }

    void menuButtonOpensItsPage_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");

        const QList<std::array<const char *, 3>> remedies = {
            {"cmdAminoAcids", "Amino Acids and Hormones", "frmAminoAcids"},
            {"cmdAntioxidants", "Antioxidants", "frmAntioxidants"},
            {"cmdToAvoid", "Food and Chemicals to Avoid", "frmToAvoid"},
            {"cmdFoods", "Food and Cancer", "frmFoods"},
            {"cmdVitamins", "Vitamins and Minerals", "frmVitMin"},
            {"cmdHerbs", "Herbal Remedies", "frmHerbs"},
            {"cmdCoffeeEnema", "Coffee Enema Dialysis", "frmCoffeeEnema"},
            {"cmdCox2", "COX-2 Inhibitors", "frmCox2"},
            {"cmdGerson3", "Gerson: Sodium and Potassium", "frmGerson2"},
            {"cmdSodiumPotassium", "Sodium / Potassium ", "frmSodiumPotassium"},
            {"cmdAcidBase", "Acid-hypoxia and pH-Balance", "frmAcidBase"},
            {"cmdPhyto", "Phytochemicals", "frmPhyto"},
            {"cmdVarious", "Various Therapies / Remedies", "frmVarious"},
            {"cmdMushrooms", "Mushrooms", "frmMushrooms"},
            {"cmdChemoAndNatural", "Complementary Natural Remedies and Chemotherapy", "frmChemoAndNatural"},
        };
        const QList<std::array<const char *, 3>> therapies = {
            {"cmdBreuss", "Dr. Breuss - Juice Fasting", "frmBreuss"},
            {"cmdBudwig", "Dr. Budwig - Flax oil ", "frmBudwig"},
            {"cmdDiBella", "Dr. Di Bella - Hormones", "frmDiBella"},
            {"cmdCaisse", "Caisse / Essiac - Herbs", "frmEssiac"},
            {"cmdCampbell", "Dr. Campbell - Nutrition / Casein", "frmCampbell"},
            {"cmdCampbellSpitz", "Dr. Campbell / Dr. Spitz - Vit. D", "frmVitD"},
            {"cmdClark", "Dr. H. Clark - Parasites", "frmClark"},
            {"cmdGerson", "Dr. Gerson - Diet", "frmGerson"},
            {"cmdGriffin", "G. E. Griffin - B17 / Laetrile", "frmGriffinB17"},
            {"cmdHoxsey", "Hoxsey Formula - Herbs", "frmHoxsey"},
            {"cmdKrebs", "Dr. T. Krebs - B17 / Laetrile", "frmKrebs"},
            {"cmdLaneSkin", "Dr. Lane - Glycoalkaloids", "frmLaneGlycoalkaloids"},
            {"cmdLivingston", "Dr. Livingston-Wheeler - Diet", "frmLivingston"},
            {"cmdNaesens", "Dr. Naessens - 714X", "frmNaessens"},
            {"cmdRath", "Dr. Rath - Enzyme Blocking", "frmRath"},
            {"cmdRife", "Dr. R. Rife - Frequencies", "frmRife"},
            {"cmdIP6", "Dr. Shamsuddin - IP6", "frmIP6"},
            {"cmdWarburg", "Dr. Warburg - Oxygen", "frmWarburg"},
            {"cmdWheatgrass", "Ann Wigmore - Wheatgrass", "frmWheatgrass"},
            {"cmdCombination", "Combining Remedies / Therapies", "frmCombination"},
            {"cmdContradictions", "Discussing Contradictions", "frmContradictions"},
            {"cmdStrategies", "Winning Strategies", "frmStrategies"},
        };
        const QList<std::array<const char *, 3>> strategies = {
            {"cmdReadFirst", "Read First", "frmDisclaimer"},
            {"cmdUnderstanding", "Understanding the Problem", "frmUnderstanding"},
            {"cmdTherapeutic", "Therapeutic Considerations", "frmTherapeutic"},
            {"cmdToAvoid", "Avoid Carcinogenics", "frmToAvoid"},
            {"cmdProtocol", "Prepare Treatment Schedule", "frmSampleProtocol"},
            {"cmdShoppingList", "Prepare Shopping List", "frmSampleShopping"},
        };
        const QList<std::pair<const char *, QList<std::array<const char *, 3>>>> menus = {
            {"frmAlternatives", remedies}, {"frmAlternativeTherapies", therapies}, {"frmStrategies", strategies}};
        for (const auto &[menu, links] : menus) {
            for (const auto &[control, caption, target] : links)
                QTest::addRow("%s %s", menu, control) << menu << control << caption << target;
        }
    }
    void menuButtonOpensItsPage()
    {
        QFETCH(QString, menu);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, target);

        QVERIFY(m_program.navigator()->openPage(menu));
        auto *button = qobject_cast<QPushButton *>(m_program.control(menu, control));
        QVERIFY2(button, qPrintable(control));
        QCOMPARE(button->text(), caption);
        QVERIFY(button->font().bold());
        QCOMPARE(button->font().family(), QStringLiteral("Times New Roman"));
        if (!m_program.navigator()->isRegistered(target))
            QSKIP("target not built yet");

        QVERIFY(m_program.click(menu, control));
        QVERIFY(m_program.window(target));
        QVERIFY(m_program.window(menu)); // the menus stay open
    }

    // A second click brings the open page forward; the menu stays behind it.
    void secondClickFindsThePageOpen()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdAlternatives"));
        PageWindow *menu = m_program.window("frmAlternatives");
        QVERIFY(menu);
        QVERIFY(m_program.click("frmAlternatives", "cmdAntioxidants"));
        PageWindow *page = m_program.window("frmAntioxidants");
        QVERIFY(page);
        QVERIFY(m_program.click("frmAAMenu", "cmdAlternatives"));
        QCOMPARE(m_program.window("frmAlternatives"), menu);
        QVERIFY(m_program.click("frmAlternatives", "cmdAntioxidants"));
        QCOMPARE(m_program.window("frmAntioxidants"), page);
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmAlternatives", "frmAntioxidants"}));
    }

    void gersonFromTheMenuAndFromALinkIsOnePage()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdAlternativeTherapies"));
        QVERIFY(m_program.click("frmAlternativeTherapies", "cmdGerson"));
        PageWindow *gerson = m_program.window("frmGerson");
        QVERIFY(m_program.click("frmAlternativeTherapies", "cmdCombination"));
        QVERIFY(m_program.click("frmCombination", "lblGerson"));
        QCOMPARE(m_program.window("frmGerson"), gerson);
        QCOMPARE(m_program.navigator()->openPages(),
                 QStringList({"frmAlternativeTherapies", "frmCombination", "frmGerson"}));
    }

    void strategiesOpenCentredWhateverTheSetting()
    {
        QVERIFY(m_program.click("frmAAMenu", "cmdAlternativeTherapies"));
        QVERIFY(m_program.click("frmAlternativeTherapies", "cmdStrategies"));
        PageWindow *strategies = m_program.window("frmStrategies");
        QVERIFY(strategies);
        QVERIFY(m_program.window("frmAlternativeTherapies"));
        QCOMPARE(strategies->windowTitle(), QStringLiteral("Winning Strategies"));
        QVERIFY(!strategies->isMaximized()); // the setting says maximized
        QCOMPARE(strategies->size(), QSize(305, 434)); // 4575 by 6510 twips
        QVERIFY(nearlyCentred(strategies));
        // Six large buttons, one above the other.
        int lastTop = -1;
        for (const char *name : {"cmdReadFirst", "cmdUnderstanding", "cmdTherapeutic", "cmdToAvoid", "cmdProtocol",
                                 "cmdShoppingList"}) {
            QWidget *button = m_program.control("frmStrategies", name);
            QCOMPARE(button->size(), QSize(209, 57)); // 3135 by 855 twips
            QVERIFY(button->y() > lastTop);
            lastTop = button->y();
        }
    }

    void sectionMenusTakeTheMainTitle()
    {
        for (const char *menu : {"frmAlternatives", "frmAlternativeTherapies"}) {
            PageWindow *window = m_program.navigator()->openPage(menu);
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral("Halvora"));
            QVERIFY(!window->design().caption().isEmpty());
        }
    }

    void escapeClosesOnlyTheRemediesMenu()
    {
        m_program.navigator()->openPage("frmAlternativeTherapies");
        m_program.navigator()->openPage("frmAlternatives");
        QVERIFY(m_program.click("frmAlternatives", "cmdPhyto"));
        m_program.pressEscape("frmAlternativeTherapies");
        QVERIFY(m_program.window("frmAlternativeTherapies"));

        // Escape reaches the menu also while one of its buttons has the focus, with any shift state.
        QWidget *button = m_program.control("frmAlternatives", "cmdMushrooms");
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(!m_program.window("frmAlternatives"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmAlternativeTherapies", "frmPhyto"}));
        QVERIFY(m_program.mainMenu()->isVisible());
    }

    void otherKeysLeaveTheRemediesMenuOpen()
    {
        m_program.navigator()->openPage("frmAlternatives");
        QTest::keyClick(m_program.window("frmAlternatives"), Qt::Key_Q);
        QTest::keyClick(m_program.window("frmAlternatives"), Qt::Key_Return);
        QVERIFY(m_program.window("frmAlternatives"));
    }

    void contentHiddenWhileTheMenuRescales_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("remedies") << "frmAlternatives";
        QTest::newRow("therapies") << "frmAlternativeTherapies";
    }
    void contentHiddenWhileTheMenuRescales()
    {
        QFETCH(QString, menu);
        PageWindow *window = m_program.navigator()->openPage(menu);
        window->showNormal();
        QFrame *frame = window->contentFrame();
        QVERIFY(frame);
        QCOMPARE(frame->objectName(), QStringLiteral("fraResize"));
        // Every control lives in the content frame, so hiding it blanks the window.
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(child == frame || !child->isVisible(), qPrintable(child->objectName()));
        QTRY_VERIFY(frame->isVisible());
        QWidget *button = m_program.control(menu, menu == "frmAlternatives" ? "cmdAntioxidants" : "cmdBreuss");
        const int widthBefore = button->width();

        for (int i = 0; i < 5; ++i) {
            window->resize(900 + 25 * i, 620 + 15 * i);
            QVERIFY(!frame->isVisible());
        }
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), 2000);
        // The buttons followed the window's new size.
        QVERIFY(button->width() > widthBefore);
    }

private:
    TestProgram m_program;
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
