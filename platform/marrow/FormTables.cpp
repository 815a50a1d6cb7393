// The form library's tables: every form, slip, province and wizard-data row, and their queries.
#include "marrow/FormTables.h"
#include "marrow/TypeCodes.h"

#include <QString>

// Titles and flags of every form code; provincial rows name the province whose plug-in
// makes the form (the tuition and spouse-transfer schedules, Ontario's child-care form
// that goes with the T778, and the few forms only one province has).
const FormInfoRow Global_Forms_Info[Global_Forms_Num] = {
    {0, "", "", "FORM_0", "", "", 0, 0},
    {1, "t1", "T1 General", "T1", "t1", "t1", 0, FormNeedsDependants},
    {2, "unused_2", "Unused form", "UNUSED_2", "", "", 0, FormExpired},
    {3, "sch2", "Schedule 2", "SCH2", "sch2", "sch2", 0, FormUserAddable},
    {4, "sch3", "Schedule 3", "SCH3", "sch3", "sch3", 0, FormUserAddable},
    {5, "unused_5", "Unused form", "UNUSED_5", "", "", 0, FormExpired},
    {6, "sch5", "Schedule 5", "SCH5", "sch5", "sch5", 0, FormNeedsDependants | FormUserAddable},
    {7, "sch7", "Schedule 7", "SCH7", "sch7", "sch7", 0, FormUserAddable},
    {8, "", "", "FORM_8", "", "", 0, 0},
    {9, "sch9", "Schedule 9", "SCH9", "sch9", "sch9", 0, FormUserAddable},
    {10, "sch10", "Schedule 10", "SCH10", "sch10", "sch10", 0, 0},
    {11, "sch11", "Schedule 11", "SCH11", "sch11", "sch11", 0, FormUserAddable},
    {12, "t776", "T776", "T776", "t776", "t776", 0, FormMultiple | FormSharable | FormSFD},
    {13, "t778", "T778", "T778", "t778", "t778", 0, FormUserAddable},
    {14, "t929", "T929", "T929", "t929", "t929", 0, FormUserAddable},
    {15, "t1163", "T1163", "T1163", "t1163", "t1163", 0, FormMultiple | FormSharable | FormSFD},
    {16, "", "", "FORM_16", "", "", 0, 0},
    {17, "t1172", "T1172", "T1172", "t1172", "t1172", 0, FormUserAddable},
    {18, "t1212", "T1212", "T1212", "t1212", "t1212", 0, FormUserAddable},
    {19, "", "", "FORM_19", "", "", 0, 0},
    {20, "t2038", "T2038(IND)", "T2038", "t2038", "t2038", 0, FormUserAddable},
    {21, "t2042", "T2042", "T2042", "t2042", "t2042", 0, FormMultiple | FormSharable | FormSFD},
    {22, "", "", "FORM_22", "", "", 0, 0},
    {23, "t2204", "T2204", "T2204", "t2204", "t2204", 0, FormUserAddable},
    {24, "", "", "FORM_24", "", "", 0, 0},
    {25, "", "", "FORM_25", "", "", 0, 0},
    {26, "on_s2", "ON(S2)", "ON_S2", "on_s2", "on_s2", 9, 0},
    {27, "on_s11", "ON(S11)", "ON_S11", "on_s11", "on_s11", 9, 0},
    {28, "gst370", "GST370", "GST370", "gst370", "gst370", 0, FormUserAddable},
    {29, "t1206", "T1206", "T1206", "t1206", "t1206", 0, FormUserAddable},
    {30, "t626", "T626", "T626", "t626", "t626", 0, FormUserAddable},
    {31, "t691", "T691", "T691", "t691", "t691", 0, FormUserAddable},
    {32, "t936", "T936", "T936", "t936", "t936", 0, FormUserAddable},
    {33, "", "", "FORM_33", "", "", 0, 0},
    {34, "", "", "FORM_34", "", "", 0, 0},
    {35, "t2209", "T2209", "T2209", "t2209", "t2209", 0, FormMultiple | FormUserAddable},
    {36, "", "", "FORM_36", "", "", 0, 0},
    {37, "t2017", "T2017", "T2017", "t2017", "t2017", 0, FormUserAddable},
    {38, "t5013", "T5013 Partnership Income", "T5013", "t5013", "t5013", 0,
     FormMultiple | FormUserAddable},
    {39, "t1a", "T1A", "T1A", "t1a", "t1a", 0, FormUserAddable},
    {40, "t657", "T657", "T657", "t657", "t657", 0, FormUserAddable},
    {41, "", "", "FORM_41", "", "", 0, 0},
    {42, "", "", "FORM_42", "", "", 0, 0},
    {43, "bc_s2", "BC(S2)", "BC_S2", "bc_s2", "bc_s2", 2, 0},
    {44, "bc_s11", "BC(S11)", "BC_S11", "bc_s11", "bc_s11", 2, 0},
    {45, "", "", "FORM_45", "", "", 0, 0},
    {46, "", "", "FORM_46", "", "", 0, 0},
    {47, "ab_s2", "AB(S2)", "AB_S2", "ab_s2", "ab_s2", 1, 0},
    {48, "ab_s11", "AB(S11)", "AB_S11", "ab_s11", "ab_s11", 1, 0},
    {49, "t2222", "T2222", "T2222", "t2222", "t2222", 0, FormUserAddable},
    {50, "", "", "FORM_50", "", "", 0, 0},
    {51, "t2121", "T2121", "T2121", "t2121", "t2121", 0, FormMultiple | FormSharable | FormSFD},
    {52, "t1dd", "T1-DD(1)", "T1DD", "t1dd", "t1dd", 0, FormUserAddable},
    {53, "rc71", "RC71", "RC71", "rc71", "rc71", 0, FormUserAddable},
    {54, "", "", "FORM_54", "", "", 0, 0},
    {55, "t5004", "T5004", "T5004", "t5004", "t5004", 0, FormUserAddable},
    {56, "", "", "FORM_56", "", "", 0, 0},
    {57, "cpt20", "CPT20", "CPT20", "cpt20", "cpt20", 0, FormUserAddable},
    {58, "", "", "FORM_58", "", "", 0, 0},
    {59, "t777", "T777", "T777", "t777", "t777", 0, FormMultiple | FormSFD},
    {60, "", "", "FORM_60", "", "", 0, 0},
    {61, "", "", "FORM_61", "", "", 0, 0},
    {62, "", "", "FORM_62", "", "", 0, 0},
    {63, "", "", "FORM_63", "", "", 0, 0},
    {64, "nl_s2", "NL(S2)", "NL_S2", "nl_s2", "nl_s2", 5, 0},
    {65, "nl_s11", "NL(S11)", "NL_S11", "nl_s11", "nl_s11", 5, 0},
    {66, "", "", "FORM_66", "", "", 0, 0},
    {67, "", "", "FORM_67", "", "", 0, 0},
    {68, "nt_s2", "NT(S2)", "NT_S2", "nt_s2", "nt_s2", 7, 0},
    {69, "nt_s11", "NT(S11)", "NT_S11", "nt_s11", "nt_s11", 7, 0},
    {70, "", "", "FORM_70", "", "", 0, 0},
    {71, "", "", "FORM_71", "", "", 0, 0},
    {72, "ns_s2", "NS(S2)", "NS_S2", "ns_s2", "ns_s2", 6, 0},
    {73, "ns_s11", "NS(S11)", "NS_S11", "ns_s11", "ns_s11", 6, 0},
    {74, "", "", "FORM_74", "", "", 0, 0},
    {75, "", "", "FORM_75", "", "", 0, 0},
    {76, "nu_s2", "NU(S2)", "NU_S2", "nu_s2", "nu_s2", 8, 0},
    {77, "nu_s11", "NU(S11)", "NU_S11", "nu_s11", "nu_s11", 8, 0},
    {78, "", "", "FORM_78", "", "", 0, 0},
    {79, "pe_s2", "PE(S2)", "PE_S2", "pe_s2", "pe_s2", 10, 0},
    {80, "pe_s11", "PE(S11)", "PE_S11", "pe_s11", "pe_s11", 10, 0},
    {81, "sk_depchild", "SK Dependent Child", "SK_DEPCHILD", "sk_depchild", "sk_depchild", 12, 0},
    {82, "sk_s2", "SK(S2)", "SK_S2", "sk_s2", "sk_s2", 12, 0},
    {83, "sk_s11", "SK(S11)", "SK_S11", "sk_s11", "sk_s11", 12, 0},
    {84, "", "", "FORM_84", "", "", 0, 0},
    {85, "", "", "FORM_85", "", "", 0, 0},
    {86, "", "", "FORM_86", "", "", 0, 0},
    {87, "on479a", "ON479-A", "ON479A", "on479a", "on479a", 9, 0},
    {88, "", "", "FORM_88", "", "", 0, 0},
    {89, "t1219", "T1219", "T1219", "t1219", "t1219", 0, FormUserAddable},
    {90, "mb_s2", "MB(S2)", "MB_S2", "mb_s2", "mb_s2", 3, 0},
    {91, "mb_s11", "MB(S11)", "MB_S11", "mb_s11", "mb_s11", 3, 0},
    {92, "tl2", "TL2", "TL2", "tl2", "tl2", 0, FormMultiple | FormSFD},
    {93, "t1ks", "T1 Summary", "T1KS", "t1ks", "t1ks", 0, 0},
    {94, "nb_s2", "NB(S2)", "NB_S2", "nb_s2", "nb_s2", 4, 0},
    {95, "nb_s11", "NB(S11)", "NB_S11", "nb_s11", "nb_s11", 4, 0},
    {96, "t183", "T183", "T183", "t183", "t183", 0, FormUserAddable},
    {97, "t1153", "T1153", "T1153", "t1153", "t1153", 0, FormUserAddable},
    {98, "", "", "FORM_98", "", "", 0, 0},
    {99, "", "", "FORM_99", "", "", 0, 0},
    {100, "", "", "FORM_100", "", "", 0, 0},
    {101, "t1135", "T1135", "T1135", "t1135", "t1135", 0, FormUserAddable},
    {102, "t1m", "T1-M", "T1M", "t1m", "t1m", 0, FormMultiple | FormUserAddable},
    {103, "t1223", "T1223", "T1223", "t1223", "t1223", 0, FormUserAddable},
    {104, "", "", "FORM_104", "", "", 0, 0},
    {105, "t746", "T746", "T746", "t746", "t746", 0, FormUserAddable},
    {106, "", "", "FORM_106", "", "", 0, 0},
    {107, "t1229", "T1229", "T1229", "t1229", "t1229", 0, FormUserAddable},
    {108, "", "", "FORM_108", "", "", 0, 0},
    {109, "t1273", "T1273", "T1273", "t1273", "t1273", -1, FormSFD},
    {110, "yt_s2", "YT(S2)", "YT_S2", "yt_s2", "yt_s2", 13, 0},
    {111, "yt_s11", "YT(S11)", "YT_S11", "yt_s11", "yt_s11", 13, 0},
    {112, "", "", "FORM_112", "", "", 0, 0},
    {113, "t1170", "T1170", "T1170", "t1170", "t1170", 0, FormUserAddable},
    {114, "", "", "FORM_114", "", "", 0, 0},
    {115, "", "", "FORM_115", "", "", 0, 0},
    {116, "t1adj", "T1-ADJ", "T1ADJ", "t1adj", "t1adj", 0, FormUserAddable},
    {117, "t1013", "T1013", "T1013", "t1013", "t1013", 0, FormUserAddable},
    {118, "t1032", "T1032", "T1032", "t1032", "t1032", 0, FormUserAddable},
    {119, "sch6", "Schedule 6", "SCH6", "sch6", "sch6", 0, FormNeedsDependants | FormUserAddable},
    {120, "", "", "FORM_120", "", "", 0, 0},
    {121, "", "", "FORM_121", "", "", 0, 0},
    {122, "", "", "FORM_122", "", "", 0, 0},
    {123, "", "", "FORM_123", "", "", 0, 0},
    {124, "t2205", "T2205", "T2205", "t2205", "t2205", 0, FormUserAddable},
    {125, "t2125", "T2125", "T2125", "t2125", "t2125", 0, FormMultiple | FormSharable | FormSFD},
    {126, "", "", "FORM_126", "", "", 0, 0},
    {127, "", "", "FORM_127", "", "", 0, 0},
    {128, "", "", "FORM_128", "", "", 0, 0},
    {129, "", "", "FORM_129", "", "", 0, 0},
    {130, "", "", "FORM_130", "", "", 0, 0},
    {131, "t2125c", "T2125 (Commission)", "T2125C", "t2125c", "t2125c", 0,
     FormMultiple | FormSharable | FormSFD},
    {132, "", "", "FORM_132", "", "", 0, 0},
    {133, "sch12mhr", "Schedule 12", "SCH12MHR", "sch12mhr", "sch12mhr", 0, FormUserAddable},
    {134, "", "", "FORM_134", "", "", 0, 0},
    {135, "", "", "FORM_135", "", "", 0, 0},
    {136, "rc267", "RC267", "RC267", "rc267", "rc267", 0, FormUserAddable},
    {137, "rc268", "RC268", "RC268", "rc268", "rc268", 0, FormUserAddable},
    {138, "rc269", "RC269", "RC269", "rc269", "rc269", 0, FormUserAddable},
    {139, "sch13", "Schedule 13", "SCH13", "sch13", "sch13", 0, FormUserAddable},
    {140, "", "", "FORM_140", "", "", 0, 0},
    {141, "", "", "FORM_141", "", "", 0, 0},
    {142, "", "", "FORM_142", "", "", 0, 0},
    {143, "", "", "FORM_143", "", "", 0, 0},
    {144, "", "", "FORM_144", "", "", 0, 0},
    {145, "rc359", "RC359", "RC359", "rc359", "rc359", 0, FormUserAddable},
    {146, "", "", "FORM_146", "", "", 0, 0},
    {147, "t2091", "T2091(IND)", "T2091", "t2091", "t2091", 0, FormMultiple | FormSFD},
    {148, "rc381", "RC381", "RC381", "rc381", "rc381", 0, FormUserAddable},
    {149, "rc383", "RC383", "RC383", "rc383", "rc383", 0, 0},
    {150, "sch8", "Schedule 8", "SCH8", "sch8", "sch8", 0, FormUserAddable},
    {151, "unused_151", "Unused form", "UNUSED_151", "", "", 0, FormExpired},
    {152, "", "", "FORM_152", "", "", 0, 0},
    {153, "", "", "FORM_153", "", "", 0, 0},
    {154, "", "", "FORM_154", "", "", 0, 0},
    {155, "", "", "FORM_155", "", "", 0, 0},
    {156, "prov428", "Provincial Tax", "PROV428", "prov428", "prov428", -1, 0},
    {157, "sch12ha", "Home Accessibility Expenses", "SCH12HA", "sch12ha", "sch12ha", 0,
     FormUserAddable},
    {158, "", "", "FORM_158", "", "", 0, 0},
    {159, "t1ksrefile", "T1 Summary (Re-file)", "T1KSREFILE", "t1ksrefile", "t1ksrefile", 0, 0},
    {160, "t2091ws", "T2091(IND)-WS", "T2091WS", "t2091ws", "t2091ws", 0, FormMultiple | FormSFD},
    {161, "qc_tp1", "TP-1", "QC_TP1", "qc_tp1", "qc_tp1", 11, 0},
    {162, "", "", "FORM_162", "", "", 0, 0},
    {163, "", "", "FORM_163", "", "", 0, 0},
    {164, "", "", "FORM_164", "", "", 0, 0},
    {165, "t1ksprior", "T1 Summary (Prior Year)", "T1KSPRIOR", "t1ksprior", "t1ksprior", 0, 0},
    {166, "unused_166", "Unused form", "UNUSED_166", "", "", 0, FormExpired},
    {167, "", "", "FORM_167", "", "", 0, 0},
    {168, "", "", "FORM_168", "", "", 0, 0},
    {169, "", "", "FORM_169", "", "", 0, 0},
    {170, "", "", "FORM_170", "", "", 0, 0},
    {171, "t90", "T90", "T90", "t90", "t90", 0, FormUserAddable},
    {172, "", "", "FORM_172", "", "", 0, 0},
    {173, "t224", "T224", "T224", "t224", "t224", 0, FormUserAddable},
    {174, "t225", "T225", "T225", "t225", "t225", 0, FormUserAddable},
    {175, "", "", "FORM_175", "", "", 0, 0},
    {176, "", "", "FORM_176", "", "", 0, 0},
    {177, "", "", "FORM_177", "", "", 0, 0},
    {178, "", "", "FORM_178", "", "", 0, 0},
    {179, "t777s", "T777S", "T777S", "t777s", "t777s", 0, FormSFD},
    {180, "", "", "FORM_180", "", "", 0, 0},
    {181, "t185", "T185", "T185", "t185", "t185", 0, FormUserAddable},
    {182, "", "", "FORM_182", "", "", 0, 0},
    {183, "", "", "FORM_183", "", "", 0, 0},
    {184, "rc59", "RC59", "RC59", "rc59", "rc59", 0, FormUserAddable},
    {185, "rc59x", "RC59X", "RC59X", "rc59x", "rc59x", 0, FormUserAddable},
    {186, "t1044", "T1044", "T1044", "t1044", "t1044", 0, FormUserAddable},
    {187, "", "", "FORM_187", "", "", 0, 0},
    {188, "", "", "FORM_188", "", "", 0, 0},
    {189, "", "", "FORM_189", "", "", 0, 0},
    {190, "", "", "FORM_190", "", "", 0, 0},
    {191, "", "", "FORM_191", "", "", 0, 0},
    {192, "", "", "FORM_192", "", "", 0, 0},
    {193, "t2043", "T2043", "T2043", "t2043", "t2043", 0, FormUserAddable},
    {194, "", "", "FORM_194", "", "", 0, 0},
    {195, "", "", "FORM_195", "", "", 0, 0},
    {196, "", "", "FORM_196", "", "", 0, 0},
    {197, "", "", "FORM_197", "", "", 0, 0},
    {198, "unused_198", "Unused form", "UNUSED_198", "", "", 0, FormExpired},
    {199, "t2039", "T2039", "T2039", "t2039", "t2039", 0, FormUserAddable},
    {200, "", "", "FORM_200", "", "", 0, 0},
    {201, "", "", "FORM_201", "", "", 0, 0},
    {202, "", "", "FORM_202", "", "", 0, 0},
    {203, "", "", "FORM_203", "", "", 0, 0},
    {204, "", "", "FORM_204", "", "", 0, 0},
    {205, "sch15", "Schedule 15", "SCH15", "sch15", "sch15", 0, FormUserAddable},
    {206, "", "", "FORM_206", "", "", 0, 0},
    {207, "t1248schd", "T1248 Schedule D", "T1248SCHD", "t1248schd", "t1248schd", 0,
     FormUserAddable},
    {208, "", "", "FORM_208", "", "", 0, 0},
    {209, "instcalc", "Instalment Calculator", "INSTCALC", "instcalc", "instcalc", 0,
     FormUserAddable},
    {210, "wsd1", "Federal Worksheet", "WSD1", "wsd1", "wsd1", 0, 0},
    {211, "", "", "FORM_211", "", "", 0, 0},
    {212, "t2048", "T2048", "T2048", "t2048", "t2048", 0, FormUserAddable},
    {213, "t1198", "T1198", "T1198", "t1198", "t1198", 0, FormUserAddable},
};

// Slip names double as constant names in the print engine's slip list.
const SlipInfoRow Global_Slips_Info[Global_Slips_Num] = {
    {0, "", "", false},
    {1, "t4", "T4", false},
    {2, "t4a", "T4A", false},
    {3, "t4ap", "T4AP", false},
    {4, "t4rsp", "T4RSP", false},
    {5, "t4e", "T4E", false},
    {6, "t4aoas", "T4AOAS", false},
    {7, "t4rif", "T4RIF", false},
    {8, "t5", "T5", true},
    {9, "t3", "T3", true},
    {10, "t5003", "T5003", false},
    {11, "t5007", "T5007", false},
    {12, "", "", false},
    {13, "t5013", "T5013", false},
    {14, "t4ps", "T4PS", false},
    {15, "t4arca", "T4ARCA", false},
    {16, "t5006", "T5006", false},
    {17, "rc62", "RC62", false},
    {18, "rc210", "RC210", false},
    {19, "", "", false},
    {20, "", "", false},
    {21, "mbshelter", "MBShelterAssist", false},
    {22, "prpp", "PRPP", false},
    {23, "t1204", "T1204", false},
    {24, "nr4", "NR4", false},
    {25, "t2202", "T2202", false},
    {26, "t4fhsa", "T4FHSA", false},
};

// The farm-program statement of each province: T1273 where the province runs the programs
// with the federal government, T1163 where the federal government runs them alone, none for
// Quebec, whose own agency runs them.
const ProvInfoRow Global_Provs_Info[Global_Provs_Num] = {
    {"", "", "", "", "", 0},
    {"AB", "Alberta", "Alberta", "qvprov_ab", "AB428", FormType::T1273},
    {"BC", "British Columbia", "Colombie-Britannique", "qvprov_bc", "BC428", FormType::T1163},
    {"MB", "Manitoba", "Manitoba", "qvprov_mb", "MB428", FormType::T1163},
    {"NB", "New Brunswick", "Nouveau-Brunswick", "qvprov_nb", "NB428", FormType::T1163},
    {"NL", "Newfoundland and Labrador", "Terre-Neuve-et-Labrador", "qvprov_nl", "NL428",
     FormType::T1163},
    {"NS", "Nova Scotia", "Nouvelle-Écosse", "qvprov_ns", "NS428", FormType::T1163},
    {"NT", "Northwest Territories", "Territoires du Nord-Ouest", "qvprov_nt", "NT428",
     FormType::T1163},
    {"NU", "Nunavut", "Nunavut", "qvprov_nu", "NU428", FormType::T1163},
    {"ON", "Ontario", "Ontario", "qvprov_on", "ON428", FormType::T1273},
    {"PE", "Prince Edward Island", "Île-du-Prince-Édouard", "qvprov_pe", "PE428", FormType::T1273},
    {"QC", "Quebec", "Québec", "qvprov_qc", "TP-1", 0},
    {"SK", "Saskatchewan", "Saskatchewan", "qvprov_sk", "SK428", FormType::T1273},
    {"YT", "Yukon", "Yukon", "qvprov_yt", "YT428", FormType::T1163},
};

const TaxWizardInfoRow Global_TaxWizard_Info[Global_TaxWizard_Num] = {
    {0, "", false},
    {1, "General Questions", true},
    {2, "Last Year's Amounts", true},
    {3, "Dependants", true},
    {4, "Medical Expenses", true},
    {5, "RRSP Contributions", true},
    {6, "Provincial Questions", true},
};

// The summary and the T1 first, then the forms that slips or the T1 may call for.
const int Federal_Forms_Info[] = {93, 1,  159, 4,   7,   9,   11,  17, 23,
                                  32, 35, 119, 148, 150, 171, 205, 210};
const int Federal_Forms_Num = int(sizeof(Federal_Forms_Info) / sizeof(Federal_Forms_Info[0]));

namespace {
// No province adds forms of its own on a move: its counterparts come with the federal ones.
const ProvinceFormRow kAB[] = {{47, 0}, {48, 0}};
const ProvinceFormRow kBC[] = {{43, 0}, {44, 0}};
const ProvinceFormRow kMB[] = {{90, 0}, {91, 0}};
const ProvinceFormRow kNB[] = {{94, 0}, {95, 0}};
const ProvinceFormRow kNL[] = {{64, 0}, {65, 0}};
const ProvinceFormRow kNS[] = {{72, 0}, {73, 0}};
const ProvinceFormRow kNT[] = {{68, 0}, {69, 0}};
const ProvinceFormRow kNU[] = {{76, 0}, {77, 0}};
const ProvinceFormRow kON[] = {{26, 0}, {27, 0}, {87, 0}};
const ProvinceFormRow kPE[] = {{79, 0}, {80, 0}};
const ProvinceFormRow kQC[] = {{161, 0}};
const ProvinceFormRow kSK[] = {{81, 0}, {82, 0}, {83, 0}};
const ProvinceFormRow kYT[] = {{110, 0}, {111, 0}};

template <size_t N> constexpr ProvinceFormList list(const ProvinceFormRow (&rows)[N])
{
    return {rows, int(N)};
}
} // namespace

const ProvinceFormList Province_Forms_Info[Global_Provs_Num] = {
    {nullptr, 0}, list(kAB), list(kBC), list(kMB), list(kNB), list(kNL), list(kNS),
    list(kNT),    list(kNU), list(kON), list(kPE), list(kQC), list(kSK), list(kYT),
};

const int SFD_Forms_Info[] = {12, 15, 21, 51, 59, 92, 109, 125, 131, 147, 160, 179};
const int SFD_Forms_Num = int(sizeof(SFD_Forms_Info) / sizeof(SFD_Forms_Info[0]));

const FormInfoRow *formInfo(int code)
{
    return code >= 0 && code < Global_Forms_Num ? &Global_Forms_Info[code] : nullptr;
}

const SlipInfoRow *slipInfo(int code)
{
    return code >= 0 && code < Global_Slips_Num ? &Global_Slips_Info[code] : nullptr;
}

const ProvInfoRow *provInfo(int province)
{
    return province >= 0 && province < Global_Provs_Num ? &Global_Provs_Info[province] : nullptr;
}

const TaxWizardInfoRow *taxWizardInfo(int type)
{
    return type >= 0 && type < Global_TaxWizard_Num ? &Global_TaxWizard_Info[type] : nullptr;
}

QString formName(int code)
{
    const FormInfoRow *row = formInfo(code);
    return row ? QString::fromUtf8(row->name) : QString();
}

QString slipName(int code)
{
    const SlipInfoRow *row = slipInfo(code);
    return row ? QString::fromUtf8(row->name) : QString();
}

QString taxWizardName(int type)
{
    const TaxWizardInfoRow *row = taxWizardInfo(type);
    return row ? QString::fromUtf8(row->name) : QString();
}

namespace {
bool hasFlag(int code, unsigned flag)
{
    const FormInfoRow *row = formInfo(code);
    return row && (row->flags & flag);
}
} // namespace

bool IsFormMandatory(int edition, int, int code)
{
    // The summary and the T1 always; the EFILE edition (odd values) also the T183.
    return code == 93 || code == 1 || (code == 96 && (edition & 1));
}

bool IsMultipleForm(int code)
{
    return hasFlag(code, FormMultiple);
}
bool IsFormSharable(int code)
{
    return hasFlag(code, FormSharable);
}
bool IsSFDForm(int code)
{
    return hasFlag(code, FormSFD);
}

bool IsSlipSharable(int code)
{
    const SlipInfoRow *row = slipInfo(code);
    return row && row->sharable;
}

bool IsFormExpired(int code, int)
{
    // Expiry does not depend on the province in this year's tables.
    return hasFlag(code, FormExpired);
}

int GetCAISFormTypeFromProv(int province)
{
    const ProvInfoRow *row = provInfo(province);
    return row ? row->caisFormType : 0;
}

bool IsProvinceSupported(int province)
{
    return province >= 1 && province < Global_Provs_Num;
}

int getFormProv(int code)
{
    const FormInfoRow *row = formInfo(code);
    return row && row->province > 0 ? row->province : 0;
}

std::vector<int> provincialFormCodes(int province)
{
    std::vector<int> codes;
    if (province < 1 || province >= Global_Provs_Num)
        return codes;
    for (const FormInfoRow &row : Global_Forms_Info) {
        if (row.province == province)
            codes.push_back(row.type);
    }
    return codes;
}

void getOSLibFilename(const QString &base, QString &fileName)
{
    fileName = QStringLiteral("lib") + base + QStringLiteral(".so");
}
