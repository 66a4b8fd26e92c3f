#include "MessageBox.h"
#include "PageNavigator.h"
#include "PageWindow.h"
#include "TestProgram.h"
#include "WindowPrinter.h"

#include <QPushButton>
#include <QTest>

using halvora::PageWindow;
using halvora::WindowPrinter;

namespace {

struct Button {
    QString name;
    QString caption;
};

struct Page {
    QString id;
    QString title;
};

// A chain as the reader meets it: its pages in reading order and the buttons that
// differ from the usual "<" cmdBack, ">" cmdNext and "Close" cmdClose.
struct Chain {
    QString label;
    QList<Page> pages;
    QHash<QString, Button> next;  // by page id
    QHash<QString, Button> back;
    QHash<QString, Button> close;
    bool printing = false;
    QString firstBackOpens;       // the first page's "<" opens this page on top
};

QList<Page> numbered(const QStringList &ids, const QString &title, const QString &format)
{
    QList<Page> pages;
    for (qsizetype i = 0; i < ids.size(); ++i)
        pages.append({ids[i], title + format.arg(i + 1).arg(ids.size())});
    return pages;
}

QList<Page> sameTitle(const QStringList &ids, const QString &title)
{
    QList<Page> pages;
    for (const QString &id : ids)
        pages.append({id, title});
    return pages;
}

Chain chain(const QString &label, const QList<Page> &pages)
{
    Chain c;
    c.label = label;
    c.pages = pages;
    return c;
}

Chain printed(Chain c)
{
    c.printing = true;
    return c;
}

const QList<Chain> &chains()
{
    static const QList<Chain> all = [] {
        QList<Chain> c;
        const QString research = QStringLiteral("Research into the Causes of Cancer ");
        const QString researching = QStringLiteral("Researching the Causes of Cancer ");
        const QString multiple = QStringLiteral("Multiple Cause Theory ");
        Chain causes = chain("1 causes",
                             {{"frmCancerCauses", research + "1/19"}, {"frmCancerCauses0", researching + "2/19"},
                              {"frmCancerCauses00", researching + "3/19"}, {"frmCancerCauses00a", researching + "4/19"},
                              {"frmCancerCauses1", research + "5/19"}, {"frmCancerCauses2", research + "6/19"},
                              {"frmCancerCauses3", research + "7/19"}, {"frmCancerCauses4", research + "8/19"},
                              {"frmCancerCauses5", research + "9/19"}, {"frmCancerCauses6", multiple + "10/19"},
                              {"frmCancerCauses8", multiple + "11/19"}, {"frmCancerCauses9", multiple + "12/19"},
                              {"frmCancerCauses91", multiple + "13/19"},
                              {"frmCancerCauses92", "Single Parasitic Cause plus Cancer-favouring Environment Theory 14/19"},
                              {"frmCancerCauses93", "Confirmation of the Microbial Factor - Part I - 15/19"},
                              {"frmCancerCauses94", "Confirmation of the Microbial Factor - Part II - 16/19"},
                              {"frmCancerCauses95", "Confirmation of the Microbial Factor - Part III - 17/19"},
                              {"frmCancerCauses96", "Confirmation of the Microbial Factor - Part III - 18/19"},
                              {"frmCancerCauses97", "The Cause of Cancer: A Process with Multiple Factors! 19/19"}});
        causes.firstBackOpens = "frmCancerCausesIndex";
        c.append(causes);
        c.append(chain("2 traits", numbered({"frmTraits", "frmTraits2", "frmTraits3"}, "Common Traits of Cancers", " %1/%2")));
        Chain risks = chain("3 risks", numbered({"frmRisks", "frmRisks2", "frmRisks3", "frmRisks4", "frmRisks5", "frmRisks6"},
                                                "Risk Factors for specific Cancers", " %1/%2"));
        risks.back.insert("frmRisks2", {"cmdRisks", "Back to Risks Menu"});
        c.append(risks);
        QList<Page> questions = sameTitle({"frmQuestions", "frmQuestions1", "frmQuestions2", "frmQuestions3"},
                                          "Common Questions and Misconceptions");
        questions.append(Page{"frmQuestions4", "Conventional vs. Natural Alternatives"});
        questions.append(Page{"frmQuestionsRef", "Common Questions and Misconceptions"});
        c.append(chain("4 questions", questions));
        QList<Page> news = sameTitle({"frmNews", "frmNews2", "frmNews3"}, "Making the News: Cancer");
        news.append({{"frmNewsAllCancers", "All Cancers"}, {"frmNewsBreast", "Breast Cancer"},
                     {"frmNewsBreast2", "Breast Cancer"}, {"frmNewsStatistics", "Cancer Statistics"}});
        c.append(chain("5 news", news));
        Chain gerson = chain("6 Gerson", {{"frmGerson", "Dr. Max Gerson, M.D. 1/5"}, {"frmGerson1", "Dr. Gerson 2/5"},
                                          {"frmGerson2", "Dr. Gerson 3/5"}, {"frmGerson4", "Dr. Gerson 4/5"},
                                          {"frmGerson6", "Dr. Gerson 5/5"}});
        gerson.next.insert("frmGerson1", {"cmdGerson3", ">"});
        c.append(gerson);
        c.append(chain("7 Budwig", {{"frmBudwig", "Dr. Budwig's famous Flaxoil Diet"}, {"frmBudwig2", "Budwig 2"}}));
        c.append(chain("8 Clark", numbered({"frmClark", "frmClark2"},
                                           "Summary of Dr. Hulda Regehr Clark's Anti-cancer Treatment", " %1/%2")));
        c.append(chain("9 IP6", {{"frmIP6", "Powerful benefits of Inositol and IP6"}, {"frmIP6Two", "IP6-Two"}}));
        c.append(chain("10 Krebs", numbered({"frmKrebs", "frmKrebs2"}, "Dr. Krebs and Amygdalin (B-17 or Laetrile)", " %1/%2")));
        c.append(chain("11 Breuss", numbered({"frmBreuss", "frmBreuss2"}, "The Breuss Juice Fasting Cure", " %1/%2")));
        QList<Page> wheatgrass = numbered({"frmWheatgrass", "frmWheatgrass2", "frmWheatgrass4", "frmWheatgrass5"},
                                          "Anne Wigmore and Wheatgrass Juice Therapy", " - %1/%2");
        wheatgrass[0].title = "Anne Wigmore and Wheatgrass Juice Therapy 1/4";
        c.append(chain("12 wheatgrass", wheatgrass));
        Chain campbell = chain("13 Campbell",
                               numbered({"frmCampbell", "frmCampbell2", "frmCampbell3"},
                                        "Dr. Campbell - Nutrition: The China Study and its implications for Cancer prevention",
                                        " %1/%2"));
        campbell.close.insert("frmCampbell3", {"cmdNext", "Close"});
        c.append(campbell);
        c.append(chain("14 Livingston-Wheeler",
                       numbered({"frmLivingston", "frmLivingston2", "frmLivingston3"},
                                "Dr. Virginia Livingston-Wheeler and the Progenitor Cryptocides bacterium", " %1/%2")));
        c.append(chain("15 Lane", numbered({"frmLaneGlycoalkaloids", "frmLaneGlycoalkaloids2"},
                                           "Dr. I. William Lane and Linda Comac on Skin Cancer", " (%1/%2)")));
        c.append(chain("16 vitamin D", numbered({"frmVitD", "frmVitD2", "frmVitD3"},
                                                "Vitamin D: The overlooked factor in maintaining Health", " %1/%2")));
        c.append(chain("17 combinations",
                       numbered({"frmCombination", "frmCombination2", "frmCombination3", "frmCombination4",
                                 "frmCombination5", "frmCombination6"},
                                "Possible combinations of the most promising remedies and therapies", " (%1/%2)")));
        c.append(chain("18 contradictions", sameTitle({"frmContradictions", "frmContradictions1", "frmContradictions2"},
                                                      "Discussing Contradictions")));
        c.append(chain("19 amino acids", numbered({"frmAminoAcids", "frmAminoAcids2", "frmAminoAcids3"},
                                                  "Beneficial Amino acids and Hormones", " %1/%2")));
        c.append(chain("20 antioxidants",
                       numbered({"frmAntioxidants", "frmAntioxidants2", "frmAntioxidants3"}, "Antioxidants", " %1/%2")));
        c.append(printed(chain("21 to avoid", numbered({"frmToAvoid", "frmToAvoid2", "frmToAvoid3"},
                                                       "List of food and chemicals that should be avoided", " %1/%2"))));
        c.append(chain("22 various", numbered({"frmVarious", "frmVarious2"}, "Various beneficial Treatments", " %1/%2")));
        c.append(chain("23 COX-2", numbered({"frmCox2", "frmCox22"}, "COX-2 inhibitors", " %1/%2")));
        c.append(printed(chain("24 coffee enema",
                               numbered({"frmCoffeeEnema", "frmCoffeeEnema2"}, "Coffee Enema Dialysis", " %1/%2"))));
        Chain phyto = printed(chain("25 phytochemicals",
                                    numbered({"frmPhyto", "frmPhyto2", "frmPhyto3", "frmPhyto4", "frmPhyto5"},
                                             "Phytochemicals common in plants", " %1/%2")));
        phyto.next.insert("frmPhyto", {"cmdNextPhyto2", ">"});
        c.append(phyto);
        // Its buttons are named after their targets, except that step 2 leads to frmSampleProtocol4.
        const QStringList steps{"frmSampleProtocol",  "frmSampleProtocol2", "frmSampleProtocol4",
                                "frmSampleProtocol5", "frmSampleProtocol6", "frmSampleProtocol7"};
        const QStringList nextNames{"cmdSampleProtocol2", "cmdSampleProtocol3", "cmdSampleProtocol5",
                                    "cmdSampleProtocol6", "cmdSampleProtocol7"};
        const QStringList backNames{"cmdSampleProtocol", "cmdSampleProtocol3", "cmdSampleProtocol4",
                                    "cmdSampleProtocol5", "cmdSampleProtocol6"};
        Chain protocol = chain("26 sample protocol", numbered(steps, "Sample Anticancer Protocol", " %1/%2"));
        for (int i = 0; i < 5; ++i) {
            protocol.next.insert(steps[i], {nextNames[i], ">"});
            protocol.back.insert(steps[i + 1], {backNames[i], "<"});
        }
        c.append(protocol);
        return c;
    }();
    return all;
}

int buttonsCaptioned(PageWindow *page, const QString &caption)
{
    int count = 0;
    for (QPushButton *button : page->findChildren<QPushButton *>())
        count += button->text() == caption ? 1 : 0;
    return count;
}

} // namespace

class TestChains : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_program.start());
        WindowPrinter::setRecording(true);
        halvora::MessageBox::takeRecorded();
    }
    void cleanup()
    {
        m_program.stop();
        WindowPrinter::setRecording(false);
    }

    void everyChainReadsBothWays_data()
    {
        QTest::addColumn<int>("index");
        QCOMPARE(chains().size(), 26);
        for (qsizetype i = 0; i < chains().size(); ++i)
            QTest::newRow(qPrintable(chains()[i].label)) << int(i);
    }
    void everyChainReadsBothWays()
    {
        QFETCH(int, index);
        const Chain &chain = chains()[index];
        for (const Page &page : chain.pages) {
            if (!m_program.navigator()->isRegistered(page.id))
                QSKIP("pages not built yet");
        }
        const qsizetype last = chain.pages.size() - 1;

        // Forward with ">" to the end, then "Close": always exactly one page of the chain open.
        QVERIFY(m_program.navigator()->openPage(chain.pages.first().id));
        for (qsizetype i = 0; i <= last; ++i) {
            const Page &page = chain.pages[i];
            PageWindow *window = m_program.window(page.id);
            QVERIFY2(window, qPrintable(page.id));
            QCOMPARE(window->windowTitle(), page.title);
            QCOMPARE(m_program.navigator()->openPages(), QStringList{page.id});
            QCOMPARE(buttonsCaptioned(window, ">"), i < last ? 1 : 0);
            if (chain.printing)
                checkPrinting(page.id);
            if (i < last) {
                const Button next = chain.next.value(page.id, {"cmdNext", ">"});
                QCOMPARE(buttonCaption(page.id, next.name), next.caption);
                QVERIFY(m_program.click(page.id, next.name));
                QVERIFY2(!m_program.window(page.id), qPrintable(page.id + " stays open after \">\""));
            } else {
                const Button close = chain.close.value(page.id, {"cmdClose", "Close"});
                QCOMPARE(buttonCaption(page.id, close.name), close.caption);
                QVERIFY(m_program.click(page.id, close.name));
                QVERIFY(m_program.navigator()->openPages().isEmpty());
            }
        }

        // Back with "<" from the last page to the first; each page is built afresh.
        QVERIFY(m_program.navigator()->openPage(chain.pages[last].id));
        for (qsizetype i = last; i > 0; --i) {
            const Page &page = chain.pages[i];
            const Button back = chain.back.value(page.id, {"cmdBack", "<"});
            QCOMPARE(buttonCaption(page.id, back.name), back.caption);
            QVERIFY(m_program.click(page.id, back.name));
            QCOMPARE(m_program.navigator()->openPages(), QStringList{chain.pages[i - 1].id});
        }
        const QString first = chain.pages.first().id;
        if (chain.firstBackOpens.isEmpty()) {
            QCOMPARE(buttonsCaptioned(m_program.window(first), "<"), 0);
        } else {
            // The first page's "<" leads out of the chain and leaves the page open behind it.
            QVERIFY(m_program.click(first, "cmdBack"));
            QVERIFY(m_program.window(chain.firstBackOpens));
            QVERIFY(m_program.window(first));
        }
    }

    // Range buttons open a page on top; the start page's "Close" closes only itself.
    void phytochemicalsStartPage()
    {
        if (!m_program.navigator()->isRegistered("frmPhyto"))
            QSKIP("pages not built yet");
        const QList<Button> ranges = {{"cmdPhyto2", "BUT - FLA "}, {"cmdPhyto3", "FRU - LIM"},
                                      {"cmdPhyto4", "LIG - RES"}, {"cmdPhyto5", "RHE - VIN"}};
        m_program.navigator()->openPage("frmPhyto");
        QStringList open{"frmPhyto"};
        for (qsizetype i = 0; i < ranges.size(); ++i) {
            QCOMPARE(buttonCaption("frmPhyto", ranges[i].name), ranges[i].caption);
            QVERIFY(m_program.click("frmPhyto", ranges[i].name));
            open.append(QStringLiteral("frmPhyto%1").arg(i + 2));
            QCOMPARE(m_program.navigator()->openPages(), open);
        }
        QVERIFY(m_program.click("frmPhyto", "cmdClose"));
        open.removeFirst();
        QCOMPARE(m_program.navigator()->openPages(), open);
    }

    void printFailureIsToldAndThePageStays()
    {
        m_program.navigator()->openPage("frmCoffeeEnema2");
        WindowPrinter::setFailing(true);
        QVERIFY(m_program.click("frmCoffeeEnema2", "cmdPrint"));
        QCOMPARE(halvora::MessageBox::takeRecorded(),
                 QStringList{"This page could not be printed; please check the printer."});
        QCOMPARE(m_program.navigator()->openPages(), QStringList{"frmCoffeeEnema2"});
    }

    void riskFactorsStartPage()
    {
        const QStringList set{"frmRisks", "frmRisks2", "frmRisks3", "frmRisks4", "frmRisks5", "frmRisks6"};
        for (const QString &id : set) {
            if (!m_program.navigator()->isRegistered(id))
                QSKIP("pages not built yet");
        }
        const QList<Button> ranges = {{"cmdRisks2", "Ce - He"}, {"cmdRisks3", "Ho - Me"}, {"cmdRisks4", "Me - Pr"},
                                      {"cmdRisks5", "Sk - Ut"}, {"cmdRisks6", "Vo - Vu"}};
        PageWindow *start = m_program.navigator()->openPage("frmRisks");
        for (qsizetype i = 0; i < ranges.size(); ++i) {
            QCOMPARE(buttonCaption("frmRisks", ranges[i].name), ranges[i].caption);
            QVERIFY(m_program.click("frmRisks", ranges[i].name));
            QVERIFY(m_program.window(set[i + 1]));
            QVERIFY(m_program.window("frmRisks"));
        }
        // The way back from a page opened on top finds the open start page: no second one.
        QCOMPARE(buttonCaption("frmRisks4", "cmdRisks"), QStringLiteral("Risks Starting Page"));
        QVERIFY(m_program.click("frmRisks4", "cmdRisks"));
        QCOMPARE(m_program.window("frmRisks"), start);
        QVERIFY(!m_program.window("frmRisks4"));
        // "Close" on the last page closes that page only; on the start page the whole set.
        QVERIFY(m_program.click("frmRisks6", "cmdClose"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmRisks", "frmRisks2", "frmRisks3", "frmRisks5"}));
        QVERIFY(m_program.click("frmRisks", "cmdClose"));
        QVERIFY(m_program.navigator()->openPages().isEmpty());
        QVERIFY(m_program.mainMenu());
    }

    void riskFactorsCloseWithPartOfTheSetOpen()
    {
        if (!m_program.navigator()->isRegistered("frmRisks"))
            QSKIP("pages not built yet");
        m_program.navigator()->openPage("frmRisks");
        QVERIFY(m_program.click("frmRisks", "cmdRisks3"));
        QVERIFY(m_program.click("frmRisks", "cmdRisks5"));
        QCOMPARE(m_program.navigator()->openPages(), QStringList({"frmRisks", "frmRisks3", "frmRisks5"}));
        QVERIFY(m_program.click("frmRisks", "cmdClose"));
        QVERIFY(m_program.navigator()->openPages().isEmpty());
    }

private:
    QString buttonCaption(const QString &pageId, const QString &name) const
    {
        auto *button = qobject_cast<QPushButton *>(m_program.control(pageId, name));
        return button ? button->text() : QStringLiteral("<no button %1 on %2>").arg(name, pageId);
    }

    // "Print" prints the page it is on; the page stays open and in place.
    void checkPrinting(const QString &pageId)
    {
        PageWindow *page = m_program.window(pageId);
        const QRect before = page->geometry();
        QCOMPARE(buttonCaption(pageId, "cmdPrint"), QStringLiteral("Print"));
        QVERIFY(m_program.click(pageId, "cmdPrint"));
        QCOMPARE(WindowPrinter::takePrinted(), QStringList{pageId});
        QVERIFY(halvora::MessageBox::takeRecorded().isEmpty());
        QCOMPARE(m_program.window(pageId), page);
        QCOMPARE(page->geometry(), before);
    }

    TestProgram m_program;
};

QTEST_MAIN(TestChains)
#include "tst_chains.moc"
