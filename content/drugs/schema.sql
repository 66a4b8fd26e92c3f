-- The table of the drug database page. Every field the page shows is text;
-- DrugID only tells the records apart, so an edit is written to exactly one.
-- The page reads the records in DrugName1 order.
CREATE TABLE CancerDrugs (
    DrugID       INTEGER PRIMARY KEY,
    DrugName1    TEXT,
    DrugName2    TEXT,
    DrugName3    TEXT,
    CancerType1  TEXT,
    CancerType2  TEXT,
    CancerType3  TEXT,
    CancerType4  TEXT,
    CancerType5  TEXT,
    CancerType6  TEXT,
    CancerType7  TEXT,
    SideEffects  TEXT
);
