#include "../pages/Placement.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "print/PrintWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using halvora::PageWindow;
using halvora::print::PrintWindow;

namespace {

const QString page1 = QStringLiteral("frmSampleShopping");
const QString page2 = QStringLiteral("frmSampleShopping2");
const QString page3 = QStringLiteral("frmSampleShopping3");
const QString printPage = QStringLiteral("frmPrint");
const QString crlf = QStringLiteral("\r\n");

// The list's texts, written out here a second time so that a slip in the
// program's own table shows.
const QString title = crlf + crlf + "Shopping List:";
QString block(const QString &heading, const QString &lines)
{
    return crlf + crlf + heading + crlf + lines;
}
const QString breuss = block("Breuss Juice diet:",
                             "1. Red Beet juice, Carrot juice, Celery root juice, Black Radish juice.\r\n"
                             "2. Sage tea, Herb Robert tea, Kidney tea.");
const QString wheatgrass = block("Wheatgrass juice:", "Wheat seeds, plastic trays, Wheatgrass juicer.");
const QString budwig = block("Budwig Flax oil diet:", "Flax oil (cold pressed), Sour cream, Skim milk.");
const QString juices = block("Juices:", "Fermented Carrot juice, fermented Red Beet juice.");
const QString essiac = block("Essiac:", "Burdock root, Turkey rhubarb root (Indian rhubarb), Sheep sorrel and Slippery elm bark.");
const QString herbs = block("Important Herbs:",
                            "Garlic (best when aged), Astragalus, Bromelain, Curcumin, Turmeric, Sorrel, Burdock root, "
                            "Slippery Elm, Pokeroot, Licorice root, Echinacea,  Chaparral, Chlorella, Ginger, Green Tea, "
                            "Red Clover blossoms, Kelp capsules, Rosemary, Taheebo, Spirulina, Yarrow, Silymarin (Milk "
                            "thistle extract).");
const QString clark = block("Clark's Anti-parasite formula:",
                            "Black Walnut tincture (from green hulls), Wormwood capsules, Cloves capsules.");
const QString antioxidants = block("Important Antioxidants:",
                                   "Oligomeric proanthocyanidins (OPCs), Quercetin, Selenium, Vitamin E, Germanium, "
                                   "L-Cysteine, Zinc, Melatonin, Vit. C, etc.");
const QString food = block("Food Choices:",
                           "Organically grown Apples, Broccoli seeds for sprouting, Celery, Parsley, Cottage cheese, "
                           "natural Yoghurt, Onions, organically grown Vegetables, Fruits, Nuts (not peanuts), Yams "
                           "(sweet potatos).");
const QString multi = block("Multi vitamin/mineral combination:", "Try to get one without artificial paint or coloring!");
const QString mushrooms = block("Powerful Mushrooms:", "Reishi (Lin Shi), Maitake, Shiitake");
const QString magnet = block("Magnet:", "Flat Magnet 3000 - 5000 Gauss");
const QString enemas = block("Detoxification aid:", "Water bottle for enemas, Coffee beans for coffee enemas.");
const QString epsom = block("Heat treatment:", "Epsom Salt for hot bath treatments.");
const QString aids = block("Other important supplements:",
                           "Alpha Lipoic-acid, D-Glucarate, IP6, Bovine Cartilage, Melatonin, Bee Pollen, Whey protein, "
                           "Fo-Ti, Hemp Seed Oil, Vitamin D, C.");

struct Frame {
    QString check;
    QString title;
};
// Each page's frames, in the order of the list.
const QList<QList<Frame>> &frames()
{
    static const QList<QList<Frame>> pages = {
        {{"cheBreuss", "Ingredients of the Breuss Juice diet:"},
         {"cheWheatgrass", "Ann Wigmore's Wheatgrass Therapy"},
         {"cheBudwig", "Ingredients of the Budwig diet:"},
         {"cheJuices", "Juice Therapy"},
         {"cheEssiac", "Essiac"}},
        {{"cheHerbs", "Herbal Remedies"},
         {"cheClark", "Ingredients of Clark's Anti-parasite Formula:"},
         {"cheAntioxidants", "Antioxidants"},
         {"cheFood", "Food Choices"},
         {"cheMultiVitMin", "Multi Vitamin \\ Mineral Combination "}},
        {{"cheMushrooms", "Mushrooms"},
         {"cheMagnet", "Flat Magnet "},
         {"cheEnemas", "Detoxification aid "},
         {"cheEpsomSalt", "Hot bath treatment"},
         {"cheImportantAids", "Other important supplements"}},
    };
    return pages;
}

} // namespace

class TestShoppingList : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_program.start()); }
    void cleanup() { m_program.stop(); }

    // The list as the reader ticks it: ticks per page, in the order ticked.
    void listTexts_data()
    {
        QTest::addColumn<QStringList>("onPage1");
        QTest::addColumn<QStringList>("onPage2");
        QTest::addColumn<QStringList>("onPage3");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing ticked") << QStringList() << QStringList() << QStringList() << title;
        QTest::newRow("juices and magnet") << QStringList{"cheJuices"} << QStringList() << QStringList{"cheMagnet"}
                                           << title + juices + magnet;
        QTest::newRow("Breuss only") << QStringList{"cheBreuss"} << QStringList() << QStringList() << title + breuss;
        QTest::newRow("page 2 only, ticked backwards")
            << QStringList() << QStringList{"cheMultiVitMin", "cheFood", "cheHerbs"} << QStringList()
            << title + herbs + food + multi;
        QTest::newRow("everything, ticked backwards")
            << QStringList{"cheEssiac", "cheJuices", "cheBudwig", "cheWheatgrass", "cheBreuss"}
            << QStringList{"cheMultiVitMin", "cheFood", "cheAntioxidants", "cheClark", "cheHerbs"}
            << QStringList{"cheImportantAids", "cheEpsomSalt", "cheEnemas", "cheMagnet", "cheMushrooms"}
            << title + breuss + wheatgrass + budwig + juices + essiac + herbs + clark + antioxidants + food + multi
                   + mushrooms + magnet + enemas + epsom + aids;
        QTest::newRow("one of each page") << QStringList{"cheWheatgrass"} << QStringList{"cheClark"}
                                          << QStringList{"cheImportantAids"} << title + wheatgrass + clark + aids;
    }
    void listTexts()
    {
        QFETCH(QStringList, onPage1);
        QFETCH(QStringList, onPage2);
        QFETCH(QStringList, onPage3);
        QFETCH(QString, expected);

        // In through the strategies menu, as the reader comes.
        m_program.navigator()->openPage("frmStrategies");
        QVERIFY(m_program.click("frmStrategies", "cmdShoppingList"));
        tick(page1, onPage1);
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        // The list is being built in the print window, which stays hidden.
        QVERIFY(m_program.window(printPage));
        QVERIFY(!m_program.window(printPage)->isVisible());
        tick(page2, onPage2);
        QVERIFY(m_program.click(page2, "cmdSampleShopping3"));
        tick(page3, onPage3);
        QVERIFY(m_program.click(page3, "cmdPrint"));

        QCOMPARE(m_program.navigator()->openPages(), QStringList({printPage, "frmStrategies"}));
        QVERIFY(m_program.window(printPage)->isVisible());
        QCOMPARE(printedList(), expected);
        // The box shows it line by line.
        auto *box = qobject_cast<QTextEdit *>(m_program.control(printPage, "rtfPrint"));
        QCOMPARE(box->toPlainText(), QString(expected).replace(crlf, "\n"));
    }

    void goingBackToPage2AddsItsItemsAgain()
    {
        m_program.navigator()->openPage(page1);
        tick(page1, {"cheEssiac"});
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        tick(page2, {"cheHerbs"});
        QVERIFY(m_program.click(page2, "cmdSampleShopping3"));
        QVERIFY(m_program.click(page3, "cmdSampleShopping2"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({printPage, page2}));
        // A fresh page: the earlier tick is not remembered.
        QVERIFY(!checkBox(page2, "cheHerbs")->isChecked());
        tick(page2, {"cheHerbs"});
        QVERIFY(m_program.click(page2, "cmdSampleShopping3"));
        QVERIFY(m_program.click(page3, "cmdPrint"));
        QCOMPARE(printedList(), title + essiac + herbs + herbs);
    }

    void goingBackToPage1StartsAfresh()
    {
        m_program.navigator()->openPage(page1);
        tick(page1, {"cheBreuss"});
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        tick(page2, {"cheFood"});
        QVERIFY(m_program.click(page2, "cmdSampleShopping"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({printPage, page1}));
        QVERIFY(!checkBox(page1, "cheBreuss")->isChecked());
        QCOMPARE(printedList(), title + breuss); // going back does not touch the list
        tick(page1, {"cheBudwig"});
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        QVERIFY(m_program.click(page2, "cmdSampleShopping3"));
        QVERIFY(m_program.click(page3, "cmdPrint"));
        QCOMPARE(printedList(), title + budwig);
    }

    // A list left unfinished stays in the hidden print window until the next
    // start replaces it; the window is the same one.
    void anAbandonedListIsReplacedByTheNextStart()
    {
        m_program.navigator()->openPage(page1);
        tick(page1, {"cheJuices"});
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        PageWindow *print = m_program.window(printPage);
        m_program.navigator()->closePage(page2);
        QCOMPARE(m_program.navigator()->openPages(), QStringList{printPage});
        QCOMPARE(printedList(), title + juices);

        m_program.navigator()->openPage(page1);
        QVERIFY(m_program.click(page1, "cmdSampleShopping2"));
        QCOMPARE(m_program.window(printPage), print);
        QVERIFY(!print->isVisible());
        QCOMPARE(printedList(), title);
    }

    void pagesAsDesigned_data()
    {
        QTest::addColumn<QString>("pageId");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("buttons"); // name=caption
        QTest::newRow("1") << page1 << 1 << "Sample Shopping List 1/3"
                           << QStringList{"cmdHelpShoppingList=Help", "cmdSampleShopping2=>"};
        QTest::newRow("2") << page2 << 2 << "Sample Shopping List 2/3"
                           << QStringList{"cmdSampleShopping=<", "cmdSampleShopping3=>"};
        QTest::newRow("3") << page3 << 3 << "Sample Shopping List 3/3"
                           << QStringList{"cmdSampleShopping2=<", "cmdPrint=List"};
    }
    void pagesAsDesigned()
    {
        QFETCH(QString, pageId);
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QStringList, buttons);
        m_program.writeFile("Screen.txt", TestProgram::settingFile("0"));
        QVERIFY(m_program.start());
        PageWindow *page = m_program.navigator()->openPage(pageId);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), caption);
        // The common load steps: top-left corner, the display setting applied.
        QVERIFY(!page->isMaximized());
        QCOMPARE(page->pos(), page->screen()->availableGeometry().topLeft());
        for (const QString &button : buttons) {
            const QStringList nameCaption = button.split('=');
            auto *b = qobject_cast<QPushButton *>(m_program.control(pageId, nameCaption[0]));
            QVERIFY2(b, qPrintable(nameCaption[0]));
            QCOMPARE(b->text(), nameCaption[1]);
        }
        // Five frames, each titled, explained and with its unticked check box.
        for (const Frame &frame : frames()[number - 1]) {
            QCheckBox *check = checkBox(pageId, frame.check);
            QVERIFY2(check, qPrintable(frame.check));
            QCOMPARE(check->text(), QStringLiteral("Add to Shopping List"));
            QVERIFY(!check->isChecked());
            auto *box = qobject_cast<QGroupBox *>(check->parentWidget());
            QVERIFY2(box, qPrintable(frame.check + " sits in its frame"));
            QCOMPARE(box->title(), frame.title);
            const QList<QLabel *> labels = box->findChildren<QLabel *>();
            QVERIFY2(!labels.isEmpty() && labels.first()->text().size() > 100,
                     qPrintable(frame.title + " explains its item"));
        }
        if (number == 1) {
            QCOMPARE(qobject_cast<QLabel *>(m_program.control(pageId, "lblHeading"))->text(),
                     QStringLiteral("Anticancer Shopping List"));
        }
    }

    void helpOpensBesideThePage()
    {
        m_program.navigator()->openPage(page1);
        QVERIFY(m_program.click(page1, "cmdHelpShoppingList"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmHelpShoppingList", page1}));
        PageWindow *help = m_program.window("frmHelpShoppingList");
        QCOMPARE(help->windowTitle(), QStringLiteral("Help with preparation of Shopping List"));
        QVERIFY(!help->isModal());
        QVERIFY(!help->isMaximized());
        QVERIFY(nearlyCentred(help));
        QStringList texts;
        for (QLabel *label : help->findChildren<QLabel *>())
            texts << label->text();
        QCOMPARE(texts, QStringList({
                            "If there is a diet or item you would like to add to your shopping list or to get more "
                            "information about, you can add the item by clicking on the \"Add to shopping list\" box.",
                            "At the end you will be presented with a complete list of you choice.",
                            "You can then make any changes before printing.",
                            "Any self-treatment should first be discussed with your health care professional.",
                        }));
        // The advice to talk to a professional stands out from the rest.
        const QList<QLabel *> labels = help->findChildren<QLabel *>();
        QVERIFY(labels.last()->font().bold() && !labels.first()->font().bold());
        const QList<QCheckBox *> checks = help->findChildren<QCheckBox *>();
        QCOMPARE(checks.size(), 1);
        QCOMPARE(checks.first()->text(), QStringLiteral("Add to shopping list"));
        QVERIFY(checks.first()->isChecked());
    }

private:
    QCheckBox *checkBox(const QString &pageId, const QString &name) const
    {
        return qobject_cast<QCheckBox *>(m_program.control(pageId, name));
    }
    void tick(const QString &pageId, const QStringList &names) const
    {
        for (const QString &name : names) {
            QCheckBox *check = checkBox(pageId, name);
            QVERIFY2(check, qPrintable(name));
            check->click();
            QVERIFY(check->isChecked());
        }
    }
    QString printedList() const
    {
        PrintWindow *print = PrintWindow::of(m_program.window(printPage));
        return print ? print->text() : QStringLiteral("<no print window>");
    }

    TestProgram m_program;
};

QTEST_MAIN(TestShoppingList)
#include "tst_shoppinglist.moc"
