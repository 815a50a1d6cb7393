// CJavaPrintEngine: the bridge that runs the Java print engine's print class inside the process.
#pragma once

#include "ordane/CString.h"

#include <QLibrary>
#include <jni.h>
#include <memory>

// Finds the JVM library: "<program>/../jre/lib/server/libjvm.so", else JVMPATH; 0 with the
// path, or -21 when neither names a regular file.
int locateJvmLibrary(CString &path);

class CJavaPrintEngine
{
public:
    // Result codes of load and runPrintJob (0 is success).
    enum Code
    {
        NoInitArgsEntry = -3,
        NoCreateVmEntry = -5,
        InitArgsFailed = -7,
        CreateVmFailed = -10,
        NoJvmLibrary = -21,
        ClassPathTooLong = -22,
        NoPrintClass = -101,
        NoConstructor = -102,
        NoPdfPathMethod = -103,
        NoXmlPathMethod = -104,
        NoOutputFolderMethod = -105,
        NoReadMethod = -106,
        NoWriteMethod = -107,
        ObjectNotCreated = -108,
        PdfPathNotMade = -109,
        XmlPathNotMade = -111,
        NoFlagsMethod = -112,
        ReadRefused = -116,
        WriteFailed = -117,
        NoIntStep = -120,
        NoNewStep = -121,
        NoForStep = -122,
        NoPrintModeMethod = -123,
        NoDoStep = -124,
        ReturnPathNotMade = -130,
        // The engine raised an exception where no step code applies ("Print error happend").
        EngineException = -140,
    };
    // The option text's buffer, terminator included.
    static constexpr int kOptionBufferSize = 2048;

    static CJavaPrintEngine &instance();

    CJavaPrintEngine();
    CJavaPrintEngine(const CJavaPrintEngine &) = delete;
    CJavaPrintEngine &operator=(const CJavaPrintEngine &) = delete;
    ~CJavaPrintEngine();

    int load();
    int createVM();
    int runPrintJob(const CString &returnFile, bool spouse, int printMode, int category,
                    int entryId, int optionFlags, const CString &outputFolder, CString &pdfName);
    void unload();

    bool isLoaded() const { return m_loaded; }

private:
    int checkPrintClass();
    int runJob(const CString &returnFile, bool spouse, int printMode, int category, int entryId,
               int optionFlags, const CString &outputFolder, CString &pdfName);
    // Clears a pending exception after logging it; true when there was one.
    bool takeException();
    jmethodID method(jclass cls, const char *name, const char *signature);
    // A void engine call; false (the exception logged and cleared) when it threw.
    template <typename... Args> bool callVoid(jobject object, jmethodID id, Args... args)
    {
        m_env->CallVoidMethod(object, id, args...);
        return !takeException();
    }
    jstring newString(const CString &text);

    std::unique_ptr<QLibrary> m_library;
    JavaVM *m_vm = nullptr;
    JNIEnv *m_env = nullptr;
    JavaVMInitArgs m_vmArgs{};
    bool m_loaded = false;
    CString m_classPath;
    CString m_pdfPath;
    CString m_xmlPath;
    // The option texts m_vmArgs points to while the machine is created.
    char m_classPathOption[kOptionBufferSize] = {};
    char m_fontCacheOption[kOptionBufferSize] = {};
    JavaVMOption m_options[4]{};
};
