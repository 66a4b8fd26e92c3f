#include "ShoppingList.h"

namespace halvora::print {

namespace {
const QString lineBreak = QStringLiteral("\r\n");
}

const QList<ShoppingItem> &ShoppingList::items()
{
    // The texts are the list's own, blanks included; they differ on purpose
    // from the explanations on the pages.
    static const QList<ShoppingItem> table = {
        {1, QStringLiteral("cheBreuss"), QStringLiteral("Breuss Juice diet:"),
         {QStringLiteral("1. Red Beet juice, Carrot juice, Celery root juice, Black Radish juice."),
          QStringLiteral("2. Sage tea, Herb Robert tea, Kidney tea.")}},
        {1, QStringLiteral("cheWheatgrass"), QStringLiteral("Wheatgrass juice:"),
         {QStringLiteral("Wheat seeds, plastic trays, Wheatgrass juicer.")}},
        {1, QStringLiteral("cheBudwig"), QStringLiteral("Budwig Flax oil diet:"),
         {QStringLiteral("Flax oil (cold pressed), Sour cream, Skim milk.")}},
        {1, QStringLiteral("cheJuices"), QStringLiteral("Juices:"),
         {QStringLiteral("Fermented Carrot juice, fermented Red Beet juice.")}},
        {1, QStringLiteral("cheEssiac"), QStringLiteral("Essiac:"),
         {QStringLiteral("Burdock root, Turkey rhubarb root (Indian rhubarb), Sheep sorrel and Slippery elm bark.")}},
        {2, QStringLiteral("cheHerbs"), QStringLiteral("Important Herbs:"),
         {QStringLiteral("Garlic (best when aged), Astragalus, Bromelain, Curcumin, Turmeric, Sorrel, Burdock root, "
                         "Slippery Elm, Pokeroot, Licorice root, Echinacea,  Chaparral, Chlorella, Ginger, Green Tea, "
                         "Red Clover blossoms, Kelp capsules, Rosemary, Taheebo, Spirulina, Yarrow, Silymarin (Milk "
                         "thistle extract).")}},
        {2, QStringLiteral("cheClark"), QStringLiteral("Clark's Anti-parasite formula:"),
         {QStringLiteral("Black Walnut tincture (from green hulls), Wormwood capsules, Cloves capsules.")}},
        {2, QStringLiteral("cheAntioxidants"), QStringLiteral("Important Antioxidants:"),
         {QStringLiteral("Oligomeric proanthocyanidins (OPCs), Quercetin, Selenium, Vitamin E, Germanium, L-Cysteine, "
                         "Zinc, Melatonin, Vit. C, etc.")}},
        {2, QStringLiteral("cheFood"), QStringLiteral("Food Choices:"),
         {QStringLiteral("Organically grown Apples, Broccoli seeds for sprouting, Celery, Parsley, Cottage cheese, "
                         "natural Yoghurt, Onions, organically grown Vegetables, Fruits, Nuts (not peanuts), Yams "
                         "(sweet potatos).")}},
        {2, QStringLiteral("cheMultiVitMin"), QStringLiteral("Multi vitamin/mineral combination:"),
         {QStringLiteral("Try to get one without artificial paint or coloring!")}},
        {3, QStringLiteral("cheMushrooms"), QStringLiteral("Powerful Mushrooms:"),
         {QStringLiteral("Reishi (Lin Shi), Maitake, Shiitake")}},
        {3, QStringLiteral("cheMagnet"), QStringLiteral("Magnet:"), {QStringLiteral("Flat Magnet 3000 - 5000 Gauss")}},
        {3, QStringLiteral("cheEnemas"), QStringLiteral("Detoxification aid:"),
         {QStringLiteral("Water bottle for enemas, Coffee beans for coffee enemas.")}},
        {3, QStringLiteral("cheEpsomSalt"), QStringLiteral("Heat treatment:"),
         {QStringLiteral("Epsom Salt for hot bath treatments.")}},
        {3, QStringLiteral("cheImportantAids"), QStringLiteral("Other important supplements:"),
         {QStringLiteral("Alpha Lipoic-acid, D-Glucarate, IP6, Bovine Cartilage, Melatonin, Bee Pollen, Whey protein, "
                         "Fo-Ti, Hemp Seed Oil, Vitamin D, C.")}},
    };
    return table;
}

QString ShoppingList::start()
{
    return lineBreak + lineBreak + QStringLiteral("Shopping List:");
}

QString ShoppingList::add(const QString &list, const ShoppingItem &item)
{
    return list + lineBreak + lineBreak + item.heading + lineBreak + item.lines.join(lineBreak);
}

QString ShoppingList::addTicked(QString list, int page, const std::function<bool(const QString &check)> &isTicked)
{
    for (const ShoppingItem &item : items()) {
        if (item.page == page && isTicked(item.check))
            list = add(list, item);
    }
    return list;
}

} // namespace halvora::print
