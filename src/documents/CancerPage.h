#pragma once

#include <QString>

#include <array>
#include <functional>

class QWidget;

namespace halvora {

class PageWindow;
class ProgramFolder;

namespace documents {

// "Conventional Knowledge": a column of links, each showing one document
// of the program folder in the box beside it, under a cover picture that
// the first document hides for good; a banner scrolls across the top.
class CancerPage
{
public:
    static inline const QString pageId = QStringLiteral("frmCancer");

    struct DocumentLink {
        const char *label;
        const char *file;
    };
    static constexpr std::array<DocumentLink, 12> links = {{
        {"lblWhatIsCancer", "WhatIsCancer.rtf"},
        {"lblCauses", "WhatCauses.rtf"},
        {"lblCancerCausingChem", "Chemicals.rtf"},
        {"lblTumors", "BenignMalignant.rtf"},
        {"lblWarning", "EarlyWarning.rtf"},
        {"lblTests", "TestsMarkers.rtf"},
        {"lblNonspecific", "Nonspecific.rtf"},
        {"lblGenes", "Genes.rtf"},
        {"Label15", "DoctorsArsenal.rtf"},
        {"lblScientificBreakthroughs", "Breakthroughs.rtf"},
        {"lblStaging", "Staging.rtf"},
        {"lblComplementary", "Complementary.rtf"},
    }};

    // Shown when the page's load runs out of memory; the load then goes on.
    static inline const QString memoryMessage =
        QStringLiteral("You are short on Memory.\r\nSettings might need adjusting,or Computer might need more RAM.");

    // The page's own load work, after the common load steps.
    static void load(PageWindow &page, const ProgramFolder &folder);

    // Runs a load step; if memory runs out on the way, says so and returns,
    // so that the steps after it still run.
    static void guardMemory(QWidget *page, const std::function<void()> &step);
};

} // namespace documents
} // namespace halvora
