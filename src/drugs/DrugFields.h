#pragma once

#include <QString>

#include <array>

namespace halvora::drugs {

// A field of the drug table and the box on the page that shows and edits it.
struct DrugField {
    QString column;
    QString box;
};

// The eleven text fields of CancerDrugs, in table order, with their boxes.
const std::array<DrugField, 11> &drugFields();

inline const QString drugTable = QStringLiteral("CancerDrugs");
inline const QString drugKey = QStringLiteral("DrugID");
inline const QString drugDatabaseFile = QStringLiteral("ANTICANCER.MDB");

} // namespace halvora::drugs
