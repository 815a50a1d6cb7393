// The form library's tables (forms, slips, provinces, wizard data) and the queries on them.
#pragma once

#include <vector>

class QString;

// Bits of FormInfoRow::flags.
enum FormInfoFlag : unsigned
{
    FormNeedsDependants = 0x01, // gets the dependants block (CTaxData_Form::setDepInfo)
    FormMultiple = 0x02,        // a return may hold several forms of the code
    FormSharable = 0x04,        // may be shared between spouses
    FormSFD = 0x08,             // selected-financial-data form
    FormExpired = 0x10,         // no longer in use: dropped when a file is read
    FormUserAddable = 0x20,     // offered by the add-form command (federal forms added by hand)
};

struct FormInfoRow
{
    int type;               // the form code, equal to the row's index
    const char *code;       // short code (not shown)
    const char *name;       // title, e.g. "T1 General", "Schedule 3"
    const char *identifier; // constant name in the print engine's form list
    const char *pdfName;    // print template base name
    const char *xmlName;    // description file name; empty: the form has none
    int province;   // 0 federal, 1 to 13 the province whose plug-in makes it, -1 any plug-in
    unsigned flags; // FormInfoFlag bits
};

struct SlipInfoRow
{
    int type;
    const char *code;
    const char *name; // e.g. "T4", "T4AP"
    bool sharable;
};

// Five texts per province: abbreviation, name, French name, plug-in base name, the
// province's own tax form; and its farm-program statement.
struct ProvInfoRow
{
    const char *abbreviation;
    const char *name;
    const char *frenchName;
    const char *libraryBase;
    const char *taxForm;
    int caisFormType; // the farm-program statement, 15 (T1163), 109 (T1273) or 0 (none)
};

struct TaxWizardInfoRow
{
    int type;
    const char *name;
    bool createAfterLoad;
};

struct ProvinceFormRow
{
    int type;
    unsigned char flag; // set: the form is added when a return moves to the province
};

struct ProvinceFormList
{
    const ProvinceFormRow *rows;
    int count;
};

constexpr int Global_Forms_Num = 214;   // codes 0 to 213, the index is the code
constexpr int Global_Slips_Num = 27;    // codes 0 to 26
constexpr int Global_Provs_Num = 14;    // codes 0 (none) to 13
constexpr int Global_TaxWizard_Num = 7; // types 0 (none) to 6

extern const FormInfoRow Global_Forms_Info[Global_Forms_Num];
extern const SlipInfoRow Global_Slips_Info[Global_Slips_Num];
extern const ProvInfoRow Global_Provs_Info[Global_Provs_Num];
extern const TaxWizardInfoRow Global_TaxWizard_Info[Global_TaxWizard_Num];

// The federal forms a return is checked for when its mandatory forms are added.
extern const int Federal_Forms_Info[];
extern const int Federal_Forms_Num;
// Per province code 0 to 13: the province's forms (all the forms its plug-in makes).
extern const ProvinceFormList Province_Forms_Info[Global_Provs_Num];
extern const int SFD_Forms_Info[];
extern const int SFD_Forms_Num;

// Row of a code, null outside the table.
const FormInfoRow *formInfo(int code);
const SlipInfoRow *slipInfo(int code);
const ProvInfoRow *provInfo(int province);
const TaxWizardInfoRow *taxWizardInfo(int type);
// The row's title, empty for a code without one.
QString formName(int code);
QString slipName(int code);
QString taxWizardName(int type);

bool IsFormMandatory(int edition, int province, int code);
bool IsMultipleForm(int code);
bool IsFormSharable(int code);
bool IsSlipSharable(int code);
bool IsFormExpired(int code, int province);
bool IsSFDForm(int code);
bool IsProvinceSupported(int province);
// The farm-program statement a province allows (ProvInfoRow::caisFormType); 0 outside the table.
int GetCAISFormTypeFromProv(int province);
// 0 for a federal form or a code without a province; 1 to 13 the form's province.
int getFormProv(int code);
// The codes of a province's own forms, ascending.
std::vector<int> provincialFormCodes(int province);
// The platform's file name of a shared library: "lib" + base + ".so" on Linux.
void getOSLibFilename(const QString &base, QString &fileName);
