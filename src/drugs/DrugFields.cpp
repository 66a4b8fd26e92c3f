#include "DrugFields.h"

namespace halvora::drugs {

const std::array<DrugField, 11> &drugFields()
{
    static const std::array<DrugField, 11> fields = {{
        {QStringLiteral("DrugName1"), QStringLiteral("txtName1")},
        {QStringLiteral("DrugName2"), QStringLiteral("txtName2")},
        {QStringLiteral("DrugName3"), QStringLiteral("txtName3")},
        {QStringLiteral("CancerType1"), QStringLiteral("txtCancerType1")},
        {QStringLiteral("CancerType2"), QStringLiteral("txtCancerType2")},
        {QStringLiteral("CancerType3"), QStringLiteral("txtCancerType3")},
        {QStringLiteral("CancerType4"), QStringLiteral("txtCancerType4")},
        {QStringLiteral("CancerType5"), QStringLiteral("txtCancerType5")},
        {QStringLiteral("CancerType6"), QStringLiteral("txtCancerType6")},
        {QStringLiteral("CancerType7"), QStringLiteral("txtCancerType7")},
        {QStringLiteral("SideEffects"), QStringLiteral("txtSideEffects")},
    }};
    return fields;
}

} // namespace halvora::drugs
