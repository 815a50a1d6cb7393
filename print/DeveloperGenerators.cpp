// The developer generators: Java type sources from the form tables, descriptions, test file.
#include "print/DeveloperGenerators.h"

#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "marrow/CProvincialTaxManager.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_TaxNote.h"
#include "model/CMultiProvsTaxMgr.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/SafeFileWriter.h"
#include "print/PrintTitles.h"

#include <QLibrary>
#include <QStandardPaths>
#include <memory>
#include <vector>

namespace {
constexpr int kDescriptionVersion = IndividualTaxData::kCurrentDataVersion;
// Slip type 12 has a constant in the slip list but no description.
constexpr int kSlipWithoutDescription = 12;
// Forms that get a Java description but no XML ones.
constexpr int kFormsWithoutXml[] = {33, 131, 159, 165};
const char kHeader[] = "package quorvandelle.makereport;\n"
                       "import java.io.*;\n"
                       "import java.util.Vector;\n\n";

const CT1AppConfig *config()
{
    return appInstance() ? &appInstance()->config : nullptr;
}

QByteArray constantLine(const char *name, int code)
{
    return QByteArray("static final int CONST_") + name + " = " + QByteArray::number(code) + ";\n";
}

// One province plug-in loaded for the generator alone.
struct LoadedProvince
{
    std::unique_ptr<QLibrary> library;
    std::unique_ptr<CProvincialTaxManager> manager;
};

std::vector<LoadedProvince> loadProvincePlugins()
{
    std::vector<LoadedProvince> loaded;
    for (int province = 1; province < Global_Provs_Num; ++province) {
        QString fileName;
        if (!IsProvinceSupported(province) || !getProvinceLibraryName(province, fileName))
            continue;
        auto library =
            std::make_unique<QLibrary>(CMultiProvsTaxMgr::pluginFolder() + "/" + fileName);
        auto getTaxManager = reinterpret_cast<GetTaxManagerFunc>(library->resolve("GetTaxManager"));
        CProvincialTaxManager *manager = getTaxManager ? getTaxManager() : nullptr;
        if (!manager) {
            library->unload();
            continue;
        }
        loaded.push_back({std::move(library), std::unique_ptr<CProvincialTaxManager>(manager)});
    }
    return loaded;
}

void unloadProvincePlugins(std::vector<LoadedProvince> &loaded)
{
    for (LoadedProvince &p : loaded) {
        p.manager.reset();
        p.library->unload();
    }
    loaded.clear();
}

void describeForm(const FormInfoRow &row, CTaxData_Form &form, const CT1AppConfig &c)
{
    if (!*row.xmlName)
        return;
    if (form.writeJavaDescription(c.JAVAPROJPATH, row.identifier, 0) != 0)
        return;
    for (int code : kFormsWithoutXml) {
        if (row.type == code)
            return;
    }
    const CString fileName = CString(row.xmlName) + ".xml";
    form.writeXmlDescription(c.XMLPATH, row.identifier, fileName, kDescriptionVersion);
    form.writeXmlDescription(c.BFORM_XMLPATH, row.identifier, fileName, kDescriptionVersion);
}

// The forms' descriptions: each made by the first plug-in that makes it, else federally.
void describeForms(const CT1AppConfig &c)
{
    std::vector<LoadedProvince> provinces = loadProvincePlugins();
    for (int code = 1; code < Global_Forms_Num; ++code) {
        const FormInfoRow &row = Global_Forms_Info[code];
        if (IsFormExpired(row.type, 0))
            continue;
        CProvincialTaxManager *owner = nullptr;
        CTaxData_Form *form = nullptr;
        for (LoadedProvince &p : provinces) {
            if ((form = p.manager->createProvincialForm(row.type, false))) {
                owner = p.manager.get();
                break;
            }
        }
        if (!form)
            form = createFederalForm(row.type);
        if (!form)
            continue;
        describeForm(row, *form, c);
        if (!owner || !owner->deleteProvincialForm(form, false))
            delete form;
    }
    unloadProvincePlugins(provinces);
}
} // namespace

void generateDeveloperFiles(bool testData)
{
    beginWaitCursor();
    if (testData) {
        writeTestPrintFile();
    } else {
        generateTaxFormType();
        generateSlipDataType();
        generateNoteDataType();
    }
    endWaitCursor();
}

void writeTestPrintFile()
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/testprint.r25";
    qInfo("test print file => %s", qUtf8Printable(path));
    // Every form of every supported province, each with id 0: the engine's test print shows
    // them all. The program's own loader refuses such a file (provincial forms of provinces
    // other than the person's); only the print engine reads it.
    FamilyTaxData family(0);
    family.enableAllFormsMode();
    if (saveReturnFile(family, path, AppEdition) == 0)
        writePrintTitles(family, path);
}

void generateSlipDataType()
{
    const CT1AppConfig *c = config();
    if (!c || c->JAVAPROJPATH.isEmpty())
        return;
    QByteArray text = QByteArray(kHeader) + "public class SlipDataType\n{\n";
    for (int code = 1; code < Global_Slips_Num; ++code) {
        const SlipInfoRow &row = Global_Slips_Info[code];
        text += constantLine(row.name, row.type);
        if (row.type == kSlipWithoutDescription)
            continue;
        std::unique_ptr<CTaxData_Form> slip(createSlip(row.type));
        if (!slip)
            continue;
        slip->writeJavaDescription(c->JAVAPROJPATH, row.name, 0);
        slip->writeXmlDescription(c->BFORM_XMLPATH, row.name, CString(row.name) + ".xml",
                                  kDescriptionVersion);
    }
    text += "\nSlipDataType()\n{\n}\n}\n";
    writeFileSafely(c->JAVAPROJPATH + "/SlipDataType.java", text);
}

void generateNoteDataType()
{
    const CT1AppConfig *c = config();
    if (!c || c->JAVAPROJPATH.isEmpty())
        return;
    std::unique_ptr<CTaxData_Form> note(createNote());
    if (note)
        note->writeJavaDescription(c->JAVAPROJPATH, "NoteData_General", 0);
    const QByteArray text = QByteArray(kHeader) + "public class NoteDataType\n{\n"
                                                  "static final int CONST_NOTE_GENERAL= 1;\n"
                                                  "\nNoteDataType()\n{\n}\n}\n";
    writeFileSafely(c->JAVAPROJPATH + "/NoteDataType.java", text);
}

static QByteArray taxFormTypeSource()
{
    QByteArray text = QByteArray(kHeader) + "public class TaxFormType\n{\n";
    for (int code = 1; code < Global_Forms_Num; ++code)
        text += constantLine(Global_Forms_Info[code].identifier, Global_Forms_Info[code].type);
    text += "\nprivate InfoFileItem[] pdfFiles;\n\nprivate TaxFormType()\n{\n";
    text += "pdfFiles = new InfoFileItem[" + QByteArray::number(Global_Forms_Num) + "];\n\n";
    text += "pdfFiles[  0] = null;\n";
    for (int j = 1; j < Global_Forms_Num; ++j) {
        const FormInfoRow &row = Global_Forms_Info[j];
        text += QString::asprintf("pdfFiles[%3d] = new InfoFileItem(CONST_%s, \"%s\", \"%s\", "
                                  "\"%s\");\n",
                                  j, row.identifier, row.name, row.pdfName, row.xmlName)
                    .toUtf8();
    }
    text += "}\n\nstatic TaxFormType s_taxformtype = new TaxFormType();\n"
            "public static InfoFileItem getFormTypeInfo(int nType)\n{\n";
    text += "for (int j=0; j<" + QByteArray::number(Global_Forms_Num) + "; j++)\n";
    text += "{\n"
            "if ((s_taxformtype.pdfFiles[j]!=null) && (s_taxformtype.pdfFiles[j].nFormType == "
            "nType))\n"
            "{\nreturn s_taxformtype.pdfFiles[j];\n}\n}\nreturn null;\n}\n\n}\n\n";
    return text;
}

void generateTaxFormType()
{
    const CT1AppConfig *c = config();
    if (!c || c->JAVAPROJPATH.isEmpty())
        return;
    describeForms(*c);
    writeFileSafely(c->JAVAPROJPATH + "/TaxFormType.java", taxFormTypeSource());
}
