-- The records of the drug database, one INSERT a record. Every name of the
-- page's list of chemicals is the DrugName1, DrugName2 or DrugName3 of at least
-- one record; a chemical with more names than fit has a second record.
-- Cancer types are those the drug is commonly used for; side effects come most
-- common first, with the serious ones named. Written for this book from public
-- drug information for patients (MedlinePlus, the NCI Drug Dictionary and
-- cancer-centre drug pages). Only the line that ends a statement ends in a
-- semicolon.

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('5-Fluorouracil', '5-FU', 'Adrucil',
    'Colon and rectum', 'Breast', 'Stomach', 'Pancreas', 'Oesophagus', 'Head and neck', 'Skin (as a cream)',
    'Diarrhoea, a sore mouth with ulcers, nausea, tiredness and thinning hair are common. The palms and soles may turn red, sore and peeling (hand-foot syndrome), and the skin burns more easily in the sun. It lowers the blood counts, so infections and bleeding are more likely. Serious: severe diarrhoea with dehydration, chest pain or an irregular heartbeat, and very severe reactions in people who lack the enzyme that breaks the drug down (DPD deficiency).');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Aldesleukin', 'Proleukin', 'IL-2',
    'Kidney (advanced)', 'Melanoma (advanced)', NULL, NULL, NULL, NULL, NULL,
    'A flu-like illness with fever and chills, nausea, vomiting, diarrhoea, tiredness and an itchy rash are common. Fluid leaks out of small blood vessels (capillary leak syndrome), causing swelling, weight gain, low blood pressure and less urine, which is why it is given in hospital under close watch. Serious: a severe fall in blood pressure, breathing problems, an irregular heartbeat, kidney strain, confusion or drowsiness, and serious infections.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Altretamine', 'Hexalen', 'Hexamethylmelamine',
    'Ovaries (after other drugs)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Nausea and vomiting are the most common problems, with loss of appetite and tiredness. Over time, numbness or tingling in the hands and feet, dizziness, sleepiness, mood changes and unsteadiness may develop. It can lower the blood counts, so infections and bleeding are more likely. Serious: seizures, severe nerve damage and confusion; taken with certain antidepressants (MAO inhibitors) it can make blood pressure fall dangerously on standing.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Amifostine', 'Ethyol', NULL,
    'Ovaries: protects the kidneys', 'Head and neck: less dry mouth', NULL, NULL, NULL, NULL, NULL,
    'Amifostine protects healthy tissue during some chemotherapy (cisplatin) and radiotherapy; it does not treat the cancer itself. Nausea and vomiting, a drop in blood pressure during the infusion, flushing, feeling warm or cold, dizziness, sleepiness and hiccups are common. Serious: a severe fall in blood pressure, and rare but dangerous allergic and skin reactions (spreading or blistering rash, fever), which need a doctor at once.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Aminoglutethimide', 'Cytadren', NULL,
    'Breast (in the past)', 'Prostate (in the past)', 'Adrenal gland (in the past)', NULL, NULL, NULL, NULL,
    'An early hormone blocker for advanced breast cancer after the menopause; newer aromatase inhibitors such as anastrozole and letrozole, which work better and are easier to take, have replaced it, and it is now rarely if ever used. Drowsiness and tiredness, a measles-like rash in the first weeks, nausea and loss of appetite were common; dizziness and unsteadiness could occur. Because it blocks the body''s own steroid hormones, replacement hydrocortisone was usually needed, and blood pressure could fall, especially on standing up. Serious: adrenal failure during illness or injury (weakness, vomiting, fainting), an underactive thyroid and, rarely, low blood counts.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Amsacrine', 'm-AMSA', NULL,
    'Acute myeloid leukaemia', 'Acute lymphoblastic leukaemia', NULL, NULL, NULL, NULL, NULL,
    'Given into a vein for acute leukaemia in adults, mainly when the leukaemia has come back or has not responded to the usual drugs. It is not sold in the United States but is available in some other countries, such as the UK and Canada. Low blood counts are expected, so infections, anaemia and bleeding are more likely. Nausea, vomiting, a sore mouth, diarrhoea and hair loss are common, and the vein used for the drip may become sore or inflamed. Serious: an irregular heartbeat (blood potassium is checked before each dose), liver problems, seizures, and infections while the blood counts are at their lowest.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Anastrozole', 'Arimidex', NULL,
    'Breast (after menopause)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Hot flushes, joint and muscle aches and stiffness, tiredness, headache and thinning hair are common; some people have nausea, a rash or vaginal dryness. Over time it thins the bones and raises the risk of fractures, so bone density is checked, and it may raise cholesterol. Serious but uncommon: chest pain or heart problems in women with heart disease, severe skin or allergic reactions, and liver problems.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Androgens', NULL, NULL,
    'Breast (advanced; rarely)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Male hormones such as testosterone and fluoxymesterone, once used for advanced breast cancer in women and now rarely. In women they deepen the voice, bring facial and body hair, acne and oily skin, enlarge the clitoris and change the periods; some of these changes may not reverse. Fluid retention, weight gain and a higher sex drive are common. Serious: liver damage (tablet forms), high blood calcium in people with cancer in the bones, too many red blood cells and blood clots.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Asparaginase', 'Elspar', 'L-asparaginase',
    'Acute lymphoblastic leukaemia', NULL, NULL, NULL, NULL, NULL, NULL,
    'Elspar, the original asparaginase made from E. coli bacteria, is no longer made: its maker stopped selling it in December 2012. Pegaspargase (Oncaspar), a longer-lasting form that needs fewer injections, is now the usual choice, with asparaginase from another bacterium (Erwinia) for people who react to it. Their side effects are much alike. Allergic reactions are common, from rash and itching to, rarely, sudden severe reactions, so patients are watched after each dose. Nausea, loss of appetite, tiredness and fever also occur. Serious: inflammation of the pancreas (severe belly pain that may spread to the back), high blood sugar, blood clots or bleeding because the drug lowers clotting proteins, and liver problems.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Bacillus Calmette-Guerin', 'BCG', 'TICE BCG',
    'Bladder (early, given inside)', NULL, NULL, NULL, NULL, NULL, NULL,
    'A weakened tuberculosis germ given into the bladder for early bladder cancer. For a day or two after each treatment, passing water often and with burning, an urgent need to pass water, blood in the urine, mild fever and a flu-like feeling are common. Serious: a high fever or symptoms lasting more than two days may mean the germ has spread in the body, which needs urgent treatment; rarely joint pain or eye inflammation.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Bicalutamide', 'Casodex', NULL,
    'Prostate (advanced)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Hot flushes, swollen and tender breasts, tiredness, and pain in the back, pelvis or belly are common; constipation, nausea, dizziness and a lower sex drive may occur. Serious: liver damage, so liver blood tests are done (yellow skin, dark urine or itching need a doctor), and rarely lung inflammation with a cough and breathlessness.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Bleomycin', 'Blenoxane', NULL,
    'Testicular cancer', 'Hodgkin lymphoma', 'Non-Hodgkin lymphoma', 'Head and neck', 'Cervix', 'Skin (squamous cell)', NULL,
    'Fever and chills on the day of treatment, dark streaks or patches on the skin, thickened skin on the hands, nail changes, thinning hair, a sore mouth and loss of appetite are common. Unlike most chemotherapy it seldom lowers the blood counts. Serious: lung damage (scarring) with a cough and breathlessness, more likely at higher total doses, in older people and with extra oxygen, so breathing is checked; rarely a severe reaction with high fever and low blood pressure, mainly in lymphoma.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Busulfan', 'Myleran', 'Busulfex',
    'Before stem-cell transplant', 'Chronic myeloid leukaemia (rarely)', 'Polycythaemia vera (sometimes)', NULL, NULL, NULL, NULL,
    'Today it is given mainly into a vein (Busulfex), with other drugs, to prepare for a stem-cell transplant. The tablets (Myleran) were long used for chronic myeloid leukaemia, but newer targeted drugs have almost entirely replaced them; they are still sometimes used for other bone-marrow disorders such as polycythaemia vera. Low blood counts are common and may last a long time, so infections and bleeding are more likely. Nausea, a sore mouth, darker skin, missed periods and infertility can occur. Serious: seizures with high doses (medicines are given to prevent them), lung scarring with a cough and breathlessness, blocked veins in the liver after transplant doses, cataracts, and a later risk of other cancers.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Carboplatin', 'Paraplatin', NULL,
    'Ovaries', 'Lung', 'Head and neck', 'Bladder', 'Testis (seminoma)', 'Womb (endometrium)', 'Breast (some types)',
    'Low blood counts, especially low platelets, are the main effect, so bleeding, anaemia and infections are more likely. Nausea and vomiting, tiredness and loss of appetite are common; hair loss is usually mild. Serious: allergic reactions, which become more likely after many treatments, numbness or tingling in the hands and feet, hearing changes, and loss of salts such as magnesium and potassium.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Carmustine', 'BCNU', 'BiCNU',
    'Brain tumours', 'Multiple myeloma', 'Hodgkin lymphoma', 'Non-Hodgkin lymphoma', 'Before stem-cell transplant', NULL, NULL,
    'Nausea and vomiting within hours, flushing and a burning feeling along the vein during the drip are common. The blood counts fall late, four to six weeks after a dose, so infections and bleeding are more likely then. Serious: lung damage with a cough and breathlessness, which can appear even years later; liver and kidney problems; and a later risk of leukaemia. As a wafer placed in the brain after surgery it can cause seizures and swelling.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Chlorambucil', 'Leukeran', NULL,
    'Chronic lymphocytic leukaemia', 'Non-Hodgkin lymphoma', 'Hodgkin lymphoma', NULL, NULL, NULL, NULL,
    'Tablets that are usually well tolerated. Low blood counts are the main effect, so infections and bleeding are more likely; nausea, vomiting, diarrhoea and a sore mouth may occur. Serious: severe skin reactions, seizures (more likely in children and people who have had fits), lung scarring, liver problems, infertility and, after long use, a risk of other cancers such as leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Cisplatin', 'Platinol', NULL,
    'Testicular cancer', 'Ovaries', 'Bladder', 'Lung', 'Head and neck', 'Cervix', 'Oesophagus and stomach',
    'Nausea and vomiting, which can be severe or return days later, tiredness, loss of appetite and low blood counts are common. Fluids are given with each dose to protect the kidneys. Serious: kidney damage and loss of magnesium and potassium, hearing loss or ringing in the ears, numbness and tingling in the hands and feet that may last, allergic reactions, and a small later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Cladribine', '2-CDA', 'Leustatin',
    'Hairy cell leukaemia', 'Chronic lymphocytic leukaemia', 'Low-grade lymphoma', NULL, NULL, NULL, NULL,
    'Fever is common in the weeks after treatment; tiredness, nausea, headache, rash and soreness where the needle goes in may occur. It lowers the blood counts and weakens the immune system for months, so infections, including unusual ones, are more likely. Serious: high fever or signs of infection, severe rash, and with high doses kidney damage or nerve damage with weakness or numbness.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Cladribine', 'Chlorodeoxyadenosine', NULL,
    'Hairy cell leukaemia', 'Chronic lymphocytic leukaemia', 'Low-grade lymphoma', NULL, NULL, NULL, NULL,
    'Fever is common in the weeks after treatment; tiredness, nausea, headache, rash and soreness where the needle goes in may occur. It lowers the blood counts and weakens the immune system for months, so infections, including unusual ones, are more likely. Serious: high fever or signs of infection, severe rash, and with high doses kidney damage or nerve damage with weakness or numbness.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Cyclophosphamide', 'Cytoxan', 'Endoxan',
    'Breast', 'Lymphoma', 'Leukaemia', 'Multiple myeloma', 'Ovaries', 'Neuroblastoma (children)', 'Sarcoma',
    'Nausea and vomiting, hair loss, tiredness, loss of appetite and missed periods are common. It lowers the blood counts, so infections and bleeding are more likely. It can irritate the bladder: drinking plenty and passing water often help, and blood in the urine should be reported at once. Serious: bleeding from the bladder, infertility, heart damage with very high doses, lung problems, and a later risk of other cancers.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Cytarabine', 'Ara-C', 'Cytosar',
    'Acute myeloid leukaemia', 'Acute lymphoblastic leukaemia', 'Lymphoma', 'Leukaemia in the spinal fluid', NULL, NULL, NULL,
    'Low blood counts are expected, so infections, anaemia and bleeding are more likely. Nausea, vomiting, diarrhoea, a sore mouth, loss of appetite and a flu-like reaction with fever, aches and rash are common. High doses can cause sore red eyes (eye drops are given) and problems with balance, speech or handwriting, which must be reported at once. Serious: severe infections, liver problems and inflammation of the pancreas.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Dacarbazine', 'DTIC', 'DTIC-Dome',
    'Melanoma', 'Hodgkin lymphoma', 'Soft tissue sarcoma', NULL, NULL, NULL, NULL,
    'Nausea and vomiting are common and can be strong, though anti-sickness medicines help; a flu-like illness with fever and aches, loss of appetite and pain along the vein during the drip also occur. The skin may react more to sunlight. It lowers the blood counts, so infections and bleeding are more likely. Serious: rare but severe liver damage from blocked liver veins, and allergic reactions.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Dactinomycin', 'Actinomycin-D', 'Cosmegen',
    'Wilms tumour', 'Rhabdomyosarcoma', 'Ewing sarcoma', 'Testicular cancer', 'Choriocarcinoma', NULL, NULL,
    'Nausea and vomiting, tiredness, a sore mouth, diarrhoea, hair loss and acne-like spots are common. It lowers the blood counts, and skin treated earlier with radiotherapy may redden again. It badly damages tissue if it leaks out of the vein, so pain at the drip site must be reported at once. Serious: liver damage with blocked liver veins, severe infections and bleeding.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Daunorubicin', 'Cerubidine', NULL,
    'Acute myeloid leukaemia', 'Acute lymphoblastic leukaemia', NULL, NULL, NULL, NULL, NULL,
    'Low blood counts are expected, so infections, anaemia and bleeding are more likely. Nausea, vomiting, a sore mouth and hair loss are common, and the urine turns red for a day or two. It damages tissue if it leaks out of the vein. Serious: heart damage that can lead to heart failure, more likely at higher total doses, so the heart is checked; and a later risk of another leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Diethylstilbestrol', 'DES', NULL,
    'Prostate (advanced; rarely)', 'Breast (in the past)', NULL, NULL, NULL, NULL, NULL,
    'A man-made oestrogen once widely used for advanced prostate cancer and, less often, breast cancer. It is no longer sold in the United States and is rarely used anywhere; a few countries, such as the UK, still use it now and then for prostate cancer. Nausea, swollen and tender breasts, fluid retention, and in men a loss of sex drive and erections are common. Serious: blood clots, strokes and heart attacks, which limited its use. Given to pregnant women in the past, it caused cancers and other problems in their children.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Docetaxel', 'Taxotere', NULL,
    'Breast', 'Prostate', 'Lung (non-small cell)', 'Stomach', 'Head and neck', NULL, NULL,
    'Hair loss, tiredness, a sore mouth, diarrhoea, nausea, nail changes, and numbness or tingling in the hands and feet are common. Fluid may build up in the legs or around the lungs; steroid tablets around each treatment help prevent this and allergic reactions. It lowers the white blood cells, so fever or signs of infection need a doctor at once. Serious: severe allergic reactions during the drip, serious infections, and rarely lasting hair loss or blocked tear ducts.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Doxorubicin', 'Adriamycin', NULL,
    'Breast', 'Lymphoma', 'Leukaemia', 'Sarcoma', 'Bladder', 'Ovaries', 'Stomach',
    'Hair loss, nausea and vomiting, a sore mouth, tiredness and red urine for a day or two are common; nails and skin may darken. It lowers the blood counts, so infections and bleeding are more likely, and it damages tissue if it leaks out of the vein. Serious: heart damage, which may appear years later and becomes more likely at higher total doses, so the heart is checked; and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Epirubicin', 'Ellence', NULL,
    'Breast', 'Stomach', 'Oesophagus', 'Bladder (given inside)', NULL, NULL, NULL,
    'Hair loss, nausea and vomiting, a sore mouth, tiredness and red urine for a day or two are common; periods may stop. It lowers the blood counts, so infections and bleeding are more likely, and it damages tissue if it leaks out of the vein. Serious: heart damage, more likely at higher total doses, so the heart is checked; and a small later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Estramustine', 'Emcyt', NULL,
    'Prostate (advanced)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Nausea, diarrhoea, swollen and tender breasts, a lower sex drive and fluid retention are common. Milk, calcium-rich food and antacids reduce how much of the capsule is absorbed. Serious: blood clots in the legs or lungs, heart attack, stroke and heart failure, which need urgent help (chest pain, sudden breathlessness, a painful swollen leg), and allergic swelling of the face or throat.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Estrogens', NULL, NULL,
    'Prostate (advanced)', 'Breast (advanced)', NULL, NULL, NULL, NULL, NULL,
    'Female hormones used in the past, and now and then today, for advanced prostate or breast cancer. Nausea, swollen and tender breasts, fluid retention and weight gain are common; men lose sex drive and erections. Serious: blood clots in the legs or lungs, stroke, heart attack, and high blood calcium in people with cancer in the bones.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Etoposide', 'Etopophos', 'Etoposide phosphate',
    'Lung (small cell)', 'Testicular cancer', 'Lymphoma', 'Leukaemia', 'Neuroblastoma (children)', 'Before stem-cell transplant', NULL,
    'Etopophos is a form of etoposide that the body turns into etoposide; it can be given in a smaller volume and more quickly. Its effects are those of etoposide: hair loss, nausea, vomiting, loss of appetite, tiredness and low blood counts, with more infections and bleeding. Serious: allergic reactions during the drip, severe infections, and a small later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Etoposide', 'VePesid', 'VP-16',
    'Lung (small cell)', 'Testicular cancer', 'Lymphoma', 'Leukaemia', 'Neuroblastoma (children)', 'Before stem-cell transplant', NULL,
    'Hair loss, nausea, vomiting, loss of appetite, tiredness and a sore mouth are common. It lowers the blood counts, so infections and bleeding are more likely. Blood pressure may drop if the drip runs too fast. Serious: allergic reactions during the drip (chills, fever, breathlessness), severe infections, and a small later risk of leukaemia. The capsules work like the drip.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Etoposide', 'VP-16', 'VP- 16',
    'Lung (small cell)', 'Testicular cancer', 'Lymphoma', 'Leukaemia', 'Neuroblastoma (children)', 'Before stem-cell transplant', NULL,
    'VP-16 is the code name under which etoposide was developed; "VP- 16" is the same name written with a space. Hair loss, nausea, vomiting, loss of appetite, tiredness and a sore mouth are common. It lowers the blood counts, so infections and bleeding are more likely. Blood pressure may drop if the drip runs too fast. Serious: allergic reactions during the drip (chills, fever, breathlessness), severe infections, and a small later risk of leukaemia. The capsules work like the drip.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Floxuridine', '5-FUDR', 'FUDR',
    'Bowel cancer spread to liver', NULL, NULL, NULL, NULL, NULL, NULL,
    'Given by a pump into the artery that feeds the liver. Nausea, diarrhoea, a sore mouth, belly cramps and tiredness are common. Serious: inflammation and narrowing of the bile ducts (yellow skin, itching, pain), ulcers in the stomach or duodenum, and liver damage; problems with the pump or its tube need prompt attention. The blood counts fall less than with fluorouracil given into a vein.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Fludarabine', 'Fludara', NULL,
    'Chronic lymphocytic leukaemia', 'Low-grade lymphoma', 'Before stem-cell transplant', NULL, NULL, NULL, NULL,
    'Tiredness, nausea, loss of appetite, fever and cough are common. It lowers the blood counts and weakens the immune system for months, so infections such as shingles and pneumonia are more likely, and any blood transfusion must be specially treated (irradiated). It must not be given with pentostatin: in a trial of the two together for leukaemia, severe and sometimes fatal lung damage occurred. Serious: severe infections, the body destroying its own red cells or platelets, lung inflammation, and with high doses nerve damage with confusion or loss of sight.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Fluoxymesterone', 'Halotestin', NULL,
    'Breast (advanced; in the past)', NULL, NULL, NULL, NULL, NULL, NULL,
    'A man-made male hormone taken as tablets, once used for advanced breast cancer in women. Halotestin and the later generic tablets are no longer sold in the United States, and other hormone treatments such as tamoxifen and aromatase inhibitors are used instead. In women it deepens the voice, brings acne and facial and body hair, changes the periods and raises the sex drive; some changes may not reverse. Fluid retention, nausea and changes in cholesterol may occur. Serious: liver damage or liver tumours with long use (yellow skin, dark urine), high blood calcium in people with cancer in the bones, and blood clots.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Flutamide', 'Eulexin', NULL,
    'Prostate (advanced)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Hot flushes, swollen and tender breasts, a lower sex drive, diarrhoea and nausea are common; the urine may turn amber or yellow-green. Serious: liver damage, which can be severe, so liver tests are done regularly; yellow skin or eyes, dark urine, belly pain or loss of appetite need a doctor at once.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Gemcitabine', 'Gemzar', NULL,
    'Pancreas', 'Lung (non-small cell)', 'Bladder', 'Breast', 'Ovaries', 'Bile duct', NULL,
    'Tiredness, nausea, a flu-like illness with fever and aches, a rash and swollen ankles are common. It lowers the blood counts, especially the platelets, so infections and bleeding are more likely. Serious: lung inflammation with breathlessness, a rare kidney condition with anaemia and low platelets (haemolytic uraemic syndrome), liver problems and, rarely, brain swelling with headache, seizures or changes in sight.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Goserelin', 'Zoladex', NULL,
    'Prostate', 'Breast (before menopause)', NULL, NULL, NULL, NULL, NULL,
    'A small implant under the skin of the belly that switches off the sex hormones. Hot flushes, sweating, a lower sex drive, erection problems, tiredness, mood changes and soreness at the implant site are common; in women the periods stop. In the first weeks prostate symptoms may briefly get worse. Serious: thinning bones and fractures, higher blood sugar and heart risks with long use, and bleeding or injury where the implant is placed.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Hydroxyurea', 'Hydrea', NULL,
    'Chronic myeloid leukaemia', 'Polycythaemia vera', 'Essential thrombocythaemia', 'Head and neck', NULL, NULL, NULL,
    'Capsules, usually well tolerated. Low blood counts are the main effect, so blood tests are done often. Nausea, loss of appetite, constipation or diarrhoea, darker skin and nails and thinning hair may occur. Serious: painful leg ulcers, skin cancers after long use (protect the skin from the sun), severe infections or bleeding, and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Idarubicin', 'Idamycin', NULL,
    'Acute myeloid leukaemia', 'Acute lymphoblastic leukaemia', NULL, NULL, NULL, NULL, NULL,
    'Low blood counts are expected, so infections, anaemia and bleeding are more likely. Nausea, vomiting, a sore mouth, diarrhoea, hair loss and red urine for a day or two are common. It damages tissue if it leaks out of the vein. Serious: heart damage, more likely at higher total doses, so the heart is checked; severe infections; and a later risk of another leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Ifosfamide', 'Ifex', NULL,
    'Testicular cancer', 'Soft tissue sarcoma', 'Bone sarcoma', 'Lymphoma', 'Lung', 'Cervix', NULL,
    'Nausea and vomiting, hair loss, tiredness and low blood counts are common. It can irritate the bladder: a protecting medicine (mesna) and plenty of fluids are given, and blood in the urine must be reported. Serious: confusion, drowsiness, hallucinations or seizures (encephalopathy), kidney damage with loss of salts, bleeding from the bladder, heart problems with high doses, and infertility.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Interferon-alpha', 'Intron-A', 'Roferon-A',
    'Polycythaemia vera and similar', 'Skin T-cell lymphoma', 'Melanoma (in the past)', 'Kidney (in the past)', 'Leukaemias (in the past)', 'Kaposi sarcoma (in the past)', NULL,
    'Once a standard treatment for melanoma, kidney cancer, hairy cell and chronic myeloid leukaemia and Kaposi sarcoma; newer drugs have now largely replaced it for all of these. Roferon-A (interferon alfa-2a) is no longer made: its maker stopped it worldwide in 2020. Longer-acting (pegylated) forms are still used, mainly for blood disorders such as polycythaemia vera and for some lymphomas of the skin. A flu-like illness with fever, chills, headache and aching muscles is very common, especially at first; tiredness, loss of appetite, weight loss and thinning hair follow. It lowers the blood counts and can upset the liver and thyroid. Serious: depression, including thoughts of suicide (report mood changes at once), an irregular heartbeat, autoimmune diseases and eye problems.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Irinotecan', 'Camptosar', NULL,
    'Colon and rectum', 'Pancreas', 'Stomach', 'Lung (small cell)', NULL, NULL, NULL,
    'Diarrhoea is the main problem: early diarrhoea with sweating, cramps and watery eyes during or soon after the drip, and late diarrhoea days later, which can become dangerous and must be treated at once as the team has explained. Nausea, vomiting, tiredness, hair loss and low blood counts are common. Serious: dehydration, infections, and stronger effects in people with a gene variant (UGT1A1) that slows its breakdown.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Leuprolide', 'Lupron', 'Eligard',
    'Prostate', 'Breast (before menopause)', NULL, NULL, NULL, NULL, NULL,
    'An injection that switches off the sex hormones. Hot flushes, sweating, a lower sex drive, erection problems, tiredness, weight gain and soreness at the injection site are common; in women the periods stop. Prostate symptoms may briefly get worse in the first weeks. Serious: thinning bones and fractures, diabetes and a higher risk of heart disease with long use, and rarely bleeding into the pituitary gland (sudden headache, loss of sight).');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Levamisole', 'Ergamisol', NULL,
    'Colon (with 5-FU, in the past)', NULL, NULL, NULL, NULL, NULL, NULL,
    'No longer sold for people in the United States or Canada, where it is now only a worm medicine for animals. It was once taken with fluorouracil after surgery for colon cancer, a use replaced by better treatment. Nausea, diarrhoea, a metallic taste, tiredness, aching joints and a rash were common. Serious: a sudden loss of white blood cells (agranulocytosis), which can be fatal, so fever, chills or a flu-like illness had to be reported at once; rarely, inflammation of the brain with confusion or weakness.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Lomustine', 'CCNU', 'Gleostine',
    'Brain tumours', 'Hodgkin lymphoma', NULL, NULL, NULL, NULL, NULL,
    'Capsules. Nausea and vomiting within hours are common, followed by loss of appetite and tiredness. The blood counts fall late, four to six weeks after a dose, so infections and bleeding are more likely then; taking it more often than prescribed has caused fatal overdoses. Serious: lung damage with a cough and breathlessness, liver and kidney problems, and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Mechlorethamine', 'Mustargen', 'Nitrogen mustard',
    'Skin lymphoma (as a gel)', 'Hodgkin lymphoma (in the past)', NULL, NULL, NULL, NULL, NULL,
    'The injection, Mustargen, was stopped by its maker in 2018 because it was little used and is no longer available in the United States; today the drug is used mainly as a gel on the skin for a lymphoma of the skin (mycosis fungoides). The gel often causes redness, itching and irritation, and can cause skin cancers other than melanoma. As an injection it caused strong nausea and vomiting, tiredness and missed periods, lowered the blood counts and badly damaged tissue if it leaked out of the vein. Serious: infertility, severe infections, and a later risk of leukaemia and other cancers.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Medroxyprogesterone', 'Provera', 'Depo-Provera',
    'Womb (endometrium)', 'Kidney (advanced)', 'Breast (advanced)', NULL, NULL, NULL, NULL,
    'A progestin hormone. Weight gain, a bigger appetite, fluid retention, irregular vaginal bleeding, tender breasts, headache and mood changes are common. Serious: blood clots in the legs or lungs, stroke, higher blood sugar, and thinning bones with long use of the injection.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Megestrol', 'Megace', NULL,
    'Breast (advanced)', 'Womb (endometrium)', 'Weight loss with cancer', NULL, NULL, NULL, NULL,
    'A bigger appetite and weight gain are common, which is why it is also used for weight loss with cancer. Fluid retention, nausea, irregular vaginal bleeding, impotence and higher blood sugar can occur. Serious: blood clots in the legs or lungs, and a weakened adrenal gland (weakness, dizziness or vomiting during illness or after stopping).');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Melphalan', 'Alkeran', NULL,
    'Multiple myeloma', 'Ovaries', 'Melanoma (limb treatment)', 'Before stem-cell transplant', NULL, NULL, NULL,
    'Low blood counts are the main effect, so infections and bleeding are more likely. Nausea, vomiting, a sore mouth, diarrhoea and hair loss are common, more so with high doses. Serious: severe infections, allergic reactions to the drip, lung scarring, infertility, and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Mercaptopurine', '6-MP', 'Purinethol',
    'Acute lymphoblastic leukaemia', NULL, NULL, NULL, NULL, NULL, NULL,
    'Tablets taken for months in the long maintenance part of leukaemia treatment. Low blood counts, nausea, loss of appetite and a sore mouth may occur. Some people carry gene variants (TPMT or NUDT15) that make usual doses too strong, so they may be tested first. Serious: liver damage (yellow skin, dark urine), inflammation of the pancreas, and severe infections.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Methotrexate', 'Mexate', 'Amethopterin',
    'Acute lymphoblastic leukaemia', 'Breast', 'Lymphoma', 'Osteosarcoma', 'Head and neck', 'Bladder', 'Choriocarcinoma',
    'A sore mouth, nausea, loss of appetite, tiredness and low blood counts are common. High doses need close monitoring, plenty of fluids and a rescue medicine (folinic acid) that protects healthy cells. Some painkillers, antibiotics and other medicines raise its level in the blood. Its label carries boxed warnings: it can harm or kill an unborn baby, so pregnancy must be avoided; it can cause severe allergic reactions, including anaphylaxis; and it can cause serious, sometimes fatal harm to the bone marrow, gut, liver, lungs, skin and kidneys. Tablets taken daily by mistake instead of weekly have caused deaths. Serious: kidney damage, liver damage with long use, lung inflammation with a dry cough and breathlessness, severe skin reactions and severe infections.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Mitomycin', 'Mitomycin-C', 'Mutamycin',
    'Bladder (given inside)', 'Anus', 'Stomach', 'Pancreas', 'Breast', NULL, NULL,
    'Given into a vein it lowers the blood counts, a few weeks later; tiredness, nausea, a sore mouth and loss of appetite are common, and it damages tissue if it leaks out of the vein. Given into the bladder it mainly causes bladder irritation and sometimes a rash on the hands or genitals. Serious: lung damage with breathlessness, a rare kidney condition with anaemia and low platelets, and severe infections.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Mitotane', 'Lysodren', NULL,
    'Adrenal gland (cortex)', NULL, NULL, NULL, NULL, NULL, NULL,
    'Tablets for cancer of the adrenal gland. Loss of appetite, nausea, diarrhoea, tiredness, sleepiness, dizziness and poor concentration are common; a rash may occur. Because it shuts down the adrenal glands, steroid replacement is needed, with extra steroids in injury or severe illness. Serious: adrenal crisis (severe weakness, vomiting, fainting), confusion and unsteadiness when blood levels are high, and an underactive thyroid.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Mitoxantrone', 'Novantrone', NULL,
    'Prostate (advanced)', 'Acute myeloid leukaemia', 'Breast', 'Lymphoma', NULL, NULL, NULL,
    'Low blood counts, nausea, a sore mouth, tiredness and thinning hair are common. It turns the urine blue-green for a day or two and may tint the whites of the eyes blue. Serious: heart damage that can lead to heart failure, more likely at higher total doses, so the heart is checked; severe infections; and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Octreotide', 'Sandostatin', NULL,
    'Carcinoid tumours', 'Pancreas (neuroendocrine)', 'VIP-secreting tumours', NULL, NULL, NULL, NULL,
    'Eases the flushing and diarrhoea caused by hormone-making tumours and can slow their growth. Belly pain, wind, nausea, loose or fatty stools and soreness at the injection site are common. Serious: gallstones with long use, changes in blood sugar, a slow heartbeat, and an underactive thyroid.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Paclitaxel', 'Taxol', NULL,
    'Breast', 'Ovaries', 'Lung (non-small cell)', 'Stomach', 'Oesophagus', 'Cervix', 'Kaposi sarcoma',
    'Hair loss, numbness and tingling in the hands and feet, aching muscles and joints a few days after treatment, tiredness and low blood counts are common. Allergic reactions during the drip are possible, so medicines are given beforehand and patients are watched. Serious: severe allergic reactions, nerve damage that may last, severe infections, and a slow or irregular heartbeat.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Pamidronate', 'Aredia', NULL,
    'Bone metastases (breast)', 'Multiple myeloma', 'High blood calcium', NULL, NULL, NULL, NULL,
    'Pamidronate strengthens bones weakened by cancer and lowers high blood calcium; it does not treat the cancer itself. A flu-like illness with fever and aches after the first infusion, bone or joint pain, tiredness and nausea are common. Serious: kidney damage (kidney tests are done), low blood calcium, eye inflammation, and rarely loss of bone in the jaw, so a dental check before treatment and good mouth care are advised.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Pentostatin', 'Nipent', '2-deoxycoformycin',
    'Hairy cell leukaemia', NULL, NULL, NULL, NULL, NULL, NULL,
    'Tiredness, nausea, vomiting, fever, rash and aching muscles are common. It weakens the immune system, so infections are more likely. Serious: kidney, liver, lung and nervous system problems at higher doses, and severe or fatal lung damage when given with fludarabine, so the two are not combined.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Plicamycin', 'Mithracin', 'Mithramycin',
    'Testicular cancer (in the past)', 'High blood calcium (in the past)', NULL, NULL, NULL, NULL, NULL,
    'No longer on the market in the United States. It was once used for testicular cancer and for high blood calcium, but safer treatments have replaced it for both. Nausea, vomiting, loss of appetite, diarrhoea, a sore mouth, drowsiness and flushing were common. Serious: bleeding, from nosebleeds to severe and sometimes fatal bleeding, caused by low platelets and clotting changes; liver and kidney damage; and low blood calcium or potassium.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Procarbazine', 'Matulane', 'Natulan',
    'Hodgkin lymphoma', 'Brain tumours', NULL, NULL, NULL, NULL, NULL,
    'Capsules. Nausea, vomiting, loss of appetite, tiredness and low blood counts are common; drowsiness, dizziness and mood changes may occur. It reacts with alcohol (flushing, sickness) and with some foods rich in tyramine, such as mature cheese and cured meats, and with some medicines, which can raise blood pressure, so patients get a list of what to avoid. Serious: severe infections, lung reactions, seizures, infertility and a later risk of other cancers.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Progestins', NULL, NULL,
    'Womb (endometrium)', 'Breast (advanced)', 'Kidney (advanced)', NULL, NULL, NULL, NULL,
    'Hormones like progesterone, such as megestrol and medroxyprogesterone. Weight gain and a bigger appetite, fluid retention, irregular vaginal bleeding, tender breasts and mood changes are common. Serious: blood clots in the legs or lungs, higher blood sugar, and a weakened adrenal gland during illness or after stopping.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Streptozocin', 'Zanosar', NULL,
    'Pancreas (islet cell)', 'Carcinoid tumours', NULL, NULL, NULL, NULL, NULL,
    'Nausea and vomiting are very common and can be strong. Kidney damage is the most important risk, so kidney function is checked before each dose. Blood sugar may drop, especially with insulin-making tumours; liver tests may rise and the blood counts may fall. Serious: kidney failure, very low blood sugar, and tissue damage if it leaks out of the vein.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Tamoxifen', 'Nolvadex', NULL,
    'Breast', 'Breast (lowering the risk)', NULL, NULL, NULL, NULL, NULL,
    'Hot flushes, vaginal discharge or dryness, irregular periods, tiredness, mood changes and leg cramps are common. Serious but uncommon: blood clots in the legs or lungs, stroke, cancer of the womb lining (report any unusual vaginal bleeding), and cataracts. After menopause it also helps keep the bones strong.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Teniposide', 'VM-26', 'Vumon',
    'Childhood leukaemia (ALL)', 'Brain tumours', 'Lymphoma', NULL, NULL, NULL, NULL,
    'Low blood counts, nausea, vomiting, a sore mouth, diarrhoea and hair loss are common. Blood pressure may drop if it is given too quickly. Serious: allergic reactions during the drip, which can be severe (flushing, breathlessness, low blood pressure); severe infections; and a later risk of leukaemia.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Testosterone', NULL, NULL,
    'Breast (advanced; rarely)', NULL, NULL, NULL, NULL, NULL, NULL,
    'The main male hormone, once used for advanced breast cancer in women; it makes prostate cancer grow and is not used for it. In women it deepens the voice, brings acne and facial and body hair, changes the periods and raises the sex drive; some changes may not reverse. Fluid retention and too many red blood cells may occur. Serious: blood clots, high blood calcium in people with cancer in the bones, and liver problems.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Thiotepa', 'Tepadina', NULL,
    'Bladder (given inside)', 'Breast', 'Ovaries', 'Before stem-cell transplant', NULL, NULL, NULL,
    'Low blood counts are the main effect, so infections and bleeding are more likely. Nausea, loss of appetite, tiredness and dizziness are common; given into the bladder it causes bladder irritation. High doses darken and irritate the skin, so frequent washing and fresh clothes are advised. Serious: severe infections, blocked liver veins and seizures with transplant doses, infertility, and a later risk of other cancers.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Topotecan', 'Hycamtin', NULL,
    'Ovaries', 'Lung (small cell)', 'Cervix', NULL, NULL, NULL, NULL,
    'Low blood counts are the main effect and are often marked, so infections, anaemia and bleeding are more likely. Nausea, vomiting, diarrhoea, tiredness, hair loss and a sore mouth are common. Serious: severe infections, lung inflammation with a cough and breathlessness, and severe diarrhoea with the capsules.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Tretinoin', 'Vesanoid', 'All-trans-retinoic acid',
    'Acute promyelocytic leukaemia', NULL, NULL, NULL, NULL, NULL, NULL,
    'Capsules for a rare form of leukaemia. Headache, dry skin and lips, bone pain, nausea and raised blood fats are common. Serious: a reaction in the first weeks (differentiation syndrome) with fever, breathlessness, weight gain and swelling, which needs urgent treatment; raised pressure inside the skull (severe headache, changes in sight); and severe harm to an unborn baby, so pregnancy must be avoided.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Vinblastine', 'Velban', NULL,
    'Hodgkin lymphoma', 'Testicular cancer', 'Bladder', 'Kaposi sarcoma', NULL, NULL, NULL,
    'Low blood counts, constipation, jaw or bone pain, tiredness and thinning hair are common; numbness and tingling may occur, though less than with vincristine. It badly damages tissue if it leaks out of the vein. Serious: severe infections and severe constipation or a blocked bowel. It must only ever be given into a vein: given into the spine it is fatal.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Vincristine', 'Oncovin', NULL,
    'Acute lymphoblastic leukaemia', 'Lymphoma', 'Wilms tumour', 'Neuroblastoma', 'Rhabdomyosarcoma', 'Brain tumours', NULL,
    'Effects on the nerves are the main problem: tingling or numbness in fingers and toes, constipation, jaw pain, weakness and a changed walk; hair loss is common. It lowers the blood counts only a little. It badly damages tissue if it leaks out of the vein. Serious: severe constipation or a blocked bowel, nerve damage that may last, a hoarse voice or drooping eyelids. It must only ever be given into a vein: given into the spine it is fatal.');

INSERT INTO CancerDrugs (DrugName1, DrugName2, DrugName3, CancerType1, CancerType2, CancerType3, CancerType4, CancerType5, CancerType6, CancerType7, SideEffects)
VALUES ('Vinorelbine', 'Navelbine', NULL,
    'Lung (non-small cell)', 'Breast', NULL, NULL, NULL, NULL, NULL,
    'A low white blood cell count is the main effect, so infections are more likely. Tiredness, constipation, nausea, a sore mouth, numbness or tingling in the hands and feet, and pain along the vein during the injection are common; hair loss is usually mild. Serious: severe infections, a blocked bowel, lung problems with breathlessness, and tissue damage if it leaks out of the vein.');
