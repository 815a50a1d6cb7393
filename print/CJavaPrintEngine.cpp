// CJavaPrintEngine: loading the JVM library, creating the machine and running a print job.
#include "print/CJavaPrintEngine.h"

#include "app/TabWndApp.h"
#include "ordane/PrivateFiles.h"

#include <QStandardPaths>
#include <QtGlobal>
#include <cstdio>
#include <cstring>

namespace {
// Built during static initialisation, before main; destroyed at exit.
CJavaPrintEngine s_engine;

const char kPrintClass[] = "a/b/g6";
const char kClassPathOption[] = "-Djava.class.path=";
// Keeps SIGINT, SIGTERM and SIGHUP with the program after the machine is created.
char kReduceSignals[] = "-Xrs";
// The machine ends with the process, never shut down, so it could not remove its monitoring
// file under /tmp: it makes none.
char kNoPerfData[] = "-XX:-UsePerfData";
const char kFontCacheOption[] = "-Dpdfbox.fontcache=";

// PDFBox's font cache folder, in the user's own cache ($XDG_CACHE_HOME or ~/.cache) and made
// private: a fixed name in a shared folder would belong to whoever made it first.
QByteArray fontCacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/quorvandelle/pdfbox");
    return makePrivateFolder(folder) ? folder.toUtf8() : QByteArray();
}

using GetDefaultInitArgs = jint(JNICALL *)(void *);
using CreateJavaVm = jint(JNICALL *)(JavaVM **, void **, void *);

// The calls every job checks first, with their codes.
struct Required
{
    const char *name;
    const char *signature;
    int code;
};
const Required kLoadChecks[] = {
    {"<init>", "()V", CJavaPrintEngine::NoConstructor},
    {"do", "(Ljava/lang/String;)V", CJavaPrintEngine::NoPdfPathMethod},
    {"if", "(Ljava/lang/String;)V", CJavaPrintEngine::NoXmlPathMethod},
    {"a", "(Ljava/lang/String;)V", CJavaPrintEngine::NoOutputFolderMethod},
};

// Pops the job's local frame however the job ends.
class LocalFrame
{
public:
    explicit LocalFrame(JNIEnv *env) : m_env(env), m_pushed(env->PushLocalFrame(32) == 0) {}
    ~LocalFrame()
    {
        if (m_pushed)
            m_env->PopLocalFrame(nullptr);
    }
    bool pushed() const { return m_pushed; }

private:
    JNIEnv *m_env;
    bool m_pushed;
};
} // namespace

CJavaPrintEngine &CJavaPrintEngine::instance()
{
    return s_engine;
}

CJavaPrintEngine::CJavaPrintEngine() = default;

CJavaPrintEngine::~CJavaPrintEngine()
{
    // A live machine still runs code of the library: it stays mapped until the process ends
    // (QLibrary's destructor does not unload).
    if (m_library && !m_vm)
        m_library->unload();
}

int CJavaPrintEngine::load()
{
    if (m_loaded)
        return 0;
    if (const TabWndApp *app = appInstance()) {
        m_pdfPath = app->config.PDFPATH;
        m_xmlPath = app->config.XMLPATH;
        m_classPath = app->config.JAVACLASSPATH;
    }
    // A process can create one machine: one kept from a failed class check is checked again.
    if (!m_vm) {
        CString path;
        if (const int code = locateJvmLibrary(path))
            return code;
        m_library = std::make_unique<QLibrary>(path);
    }
    const int code = createVM();
    if (code == 0)
        m_loaded = true;
    return code;
}

int CJavaPrintEngine::createVM()
{
    if (m_vm)
        return checkPrintClass();
    auto getDefaultArgs =
        reinterpret_cast<GetDefaultInitArgs>(m_library->resolve("JNI_GetDefaultJavaVMInitArgs"));
    if (!getDefaultArgs) {
        std::fputs("JVM library did not contain JNI_GetDefaultJavaVMInitArgs entry point.\n",
                   stderr);
        return NoInitArgsEntry;
    }
    auto createJavaVm = reinterpret_cast<CreateJavaVm>(m_library->resolve("JNI_CreateJavaVM"));
    if (!createJavaVm) {
        std::fputs("JVM library did not contain JNI_CreateJavaVM entry point.\n", stderr);
        return NoCreateVmEntry;
    }
    m_vmArgs = JavaVMInitArgs{};
    m_vmArgs.version = JNI_VERSION_1_2;
    if (getDefaultArgs(&m_vmArgs) != 0)
        return InitArgsFailed;

    // Cut, the class path would name another jar or folder: refused instead.
    const QByteArray classPath = m_classPath.toUtf8();
    const size_t prefix = sizeof kClassPathOption - 1;
    if (prefix + size_t(classPath.size()) + 1 > sizeof m_classPathOption)
        return ClassPathTooLong;
    std::memcpy(m_classPathOption, kClassPathOption, prefix);
    std::memcpy(m_classPathOption + prefix, classPath.constData(), size_t(classPath.size()));
    m_classPathOption[prefix + size_t(classPath.size())] = '\0';

    m_options[0] = JavaVMOption{m_classPathOption, nullptr};
    m_options[1] = JavaVMOption{kReduceSignals, nullptr};
    m_options[2] = JavaVMOption{kNoPerfData, nullptr};
    m_vmArgs.nOptions = 3;
    // Without a folder, or with one too long for the buffer, the engine finds the same folder.
    const QByteArray fontCache = fontCacheFolder();
    const size_t fontPrefix = sizeof kFontCacheOption - 1;
    if (!fontCache.isEmpty() &&
        fontPrefix + size_t(fontCache.size()) + 1 <= sizeof m_fontCacheOption) {
        std::memcpy(m_fontCacheOption, kFontCacheOption, fontPrefix);
        std::memcpy(m_fontCacheOption + fontPrefix, fontCache.constData(),
                    size_t(fontCache.size()));
        m_fontCacheOption[fontPrefix + size_t(fontCache.size())] = '\0';
        m_options[m_vmArgs.nOptions++] = JavaVMOption{m_fontCacheOption, nullptr};
    }
    m_vmArgs.version = JNI_VERSION_1_2;
    m_vmArgs.options = m_options;
    m_vmArgs.ignoreUnrecognized = JNI_FALSE;
    JavaVM *vm = nullptr;
    JNIEnv *env = nullptr;
    if (createJavaVm(&vm, reinterpret_cast<void **>(&env), &m_vmArgs) != 0)
        return CreateVmFailed;
    m_vm = vm;
    m_env = env;
    return checkPrintClass();
}

int CJavaPrintEngine::checkPrintClass()
{
    LocalFrame frame(m_env);
    if (!frame.pushed()) {
        takeException();
        return EngineException;
    }
    jclass cls = m_env->FindClass(kPrintClass);
    if (!cls) {
        takeException();
        return NoPrintClass;
    }
    for (const Required &r : kLoadChecks) {
        if (!method(cls, r.name, r.signature))
            return r.code;
    }
    method(cls, "for", "(Ljava/lang/String;)I");
    method(cls, "a", "(III)I");
    return 0;
}

bool CJavaPrintEngine::takeException()
{
    if (!m_env->ExceptionCheck())
        return false;
    m_env->ExceptionDescribe(); // logs to the standard error stream, and clears
    m_env->ExceptionClear();
    return true;
}

jmethodID CJavaPrintEngine::method(jclass cls, const char *name, const char *signature)
{
    jmethodID id = m_env->GetMethodID(cls, name, signature);
    if (!id)
        m_env->ExceptionClear(); // NoSuchMethodError: the caller reports the step
    return id;
}

jstring CJavaPrintEngine::newString(const CString &text)
{
    jstring s = m_env->NewString(reinterpret_cast<const jchar *>(text.utf16()), text.size());
    if (takeException())
        return nullptr;
    return s;
}

int CJavaPrintEngine::runPrintJob(const CString &returnFile, bool spouse, int printMode,
                                  int category, int entryId, int optionFlags,
                                  const CString &outputFolder, CString &pdfName)
{
    if (!m_env)
        return NoPrintClass;
    LocalFrame frame(m_env);
    if (!frame.pushed()) {
        takeException();
        return EngineException;
    }
    const int result = runJob(returnFile, spouse, printMode, category, entryId, optionFlags,
                              outputFolder, pdfName);
    // The engine keeps the mode of a PDF it writes over: the printed return is private too.
    if (result == 0 && !pdfName.isEmpty())
        makeFilePrivate(pdfName);
    return result;
}

int CJavaPrintEngine::runJob(const CString &returnFile, bool spouse, int printMode, int category,
                             int entryId, int optionFlags, const CString &outputFolder,
                             CString &pdfName)
{
    JNIEnv *env = m_env;
    jclass cls = env->FindClass(kPrintClass);
    if (!cls) {
        takeException();
        return NoPrintClass;
    }
    jmethodID ids[4] = {};
    for (int i = 0; i < 4; ++i) {
        ids[i] = method(cls, kLoadChecks[i].name, kLoadChecks[i].signature);
        if (!ids[i])
            return kLoadChecks[i].code;
    }
    const jmethodID construct = ids[0], setPdfPath = ids[1], setXmlPath = ids[2],
                    setOutputFolder = ids[3];
    const jmethodID getPdfName = method(cls, "a", "()Ljava/lang/String;");
    const jmethodID setFlags = method(cls, "if", "(I)V");
    if (!setFlags)
        return NoFlagsMethod;
    const jmethodID readFile = method(cls, "for", "(Ljava/lang/String;)I");
    if (!readFile)
        return NoReadMethod;
    const jmethodID writePdf = method(cls, "a", "(III)I");
    if (!writePdf)
        return NoWriteMethod;

    jobject job = env->NewObject(cls, construct);
    if (takeException() || !job)
        return ObjectNotCreated;
    const jmethodID doStep = method(cls, "do", "()V");
    if (!doStep)
        return NoDoStep;

    // From UTF-16, not NewStringUTF: that takes Java's modified UTF-8, which a path with a
    // character beyond the 16-bit range (or a NUL) in standard UTF-8 is not.
    jstring pdfPath = newString(m_pdfPath);
    if (!pdfPath)
        return PdfPathNotMade;
    if (!callVoid(job, setPdfPath, pdfPath))
        return EngineException;
    jstring xmlPath = newString(m_xmlPath);
    if (!xmlPath)
        return XmlPathNotMade;
    if (!callVoid(job, setXmlPath, xmlPath))
        return EngineException;

    CString folder = outputFolder;
    if (folder.isEmpty() && appInstance())
        folder = appInstance()->config.RetPdfPath;
    jstring folderText = newString(folder);
    if (!folderText || !callVoid(job, setOutputFolder, folderText) ||
        !callVoid(job, setFlags, jint(optionFlags)) || !callVoid(job, doStep))
        return EngineException;

    // The steps without arguments; "new" only when page headers are off, the print mode only
    // when it is not the normal print.
    const bool headers = !appInstance() || appInstance()->config.PrintHeader;
    const struct
    {
        const char *name;
        int code;
        bool wanted;
    } steps[] = {{"int", NoIntStep, true}, {"new", NoNewStep, !headers}, {"for", NoForStep, true}};
    for (const auto &step : steps) {
        if (!step.wanted)
            continue;
        const jmethodID id = method(cls, step.name, "()V");
        if (!id)
            return step.code;
        if (!callVoid(job, id))
            return EngineException;
    }
    if (printMode != 0) {
        const jmethodID setMode = method(cls, "a", "(I)V");
        if (!setMode)
            return NoPrintModeMethod;
        if (!callVoid(job, setMode, jint(printMode)))
            return EngineException;
    }

    jstring file = newString(returnFile);
    if (!file)
        return ReturnPathNotMade;
    const jint read = env->CallIntMethod(job, readFile, file);
    if (takeException())
        return EngineException;
    qInfo("read data: %d", int(read));
    if (read != 0 && read != 5166 && read != 5167)
        return ReadRefused;

    const jint written =
        env->CallIntMethod(job, writePdf, jint(spouse ? 1 : 0), jint(category), jint(entryId));
    if (takeException())
        return EngineException;
    qInfo("write data: %d", int(written));
    if (written != 0)
        return WriteFailed;

    if (getPdfName) {
        auto name = static_cast<jstring>(env->CallObjectMethod(job, getPdfName));
        if (takeException())
            return EngineException;
        if (name) {
            const jsize length = env->GetStringLength(name);
            const jchar *chars = env->GetStringChars(name, nullptr);
            if (takeException() || !chars)
                return EngineException;
            pdfName = QString(reinterpret_cast<const QChar *>(chars), length);
            env->ReleaseStringChars(name, chars);
        }
    }
    return 0;
}

void CJavaPrintEngine::unload()
{
    if (m_vm)
        m_vm->DestroyJavaVM();
    if (m_library)
        m_library->unload();
    m_library.reset();
    m_vm = nullptr;
    m_env = nullptr;
    m_loaded = false;
}
