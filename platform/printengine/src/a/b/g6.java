// g6: the print class the bridge drives. Methods named kw_do, kw_if ... are renamed to the Java
// keywords "do", "if" ... after compiling (tools/KeywordRename), so the bridge finds the names it
// looks up. Every argument is kept; reading and writing report failures as non-zero results.
package a.b;

import java.io.File;
import java.io.IOException;
import java.nio.file.Path;
import java.util.logging.Level;
import java.util.logging.Logger;
import quorvandelle.makereport.PrintTitles;
import quorvandelle.makereport.ReturnFileReader;
import quorvandelle.makereport.ReturnPrinter;

public class g6
{
    // Read results: ReturnFileReader's codes; a failure outside the reader gives this.
    private static final int READ_FAILED = 9;
    // The program's titles beside the return file are missing or damaged.
    private static final int READ_NO_TITLES = 6;
    private static final int WRITE_FAILED = 1;
    private static final int WRITE_NOTHING_READ = 2;
    // PDFBox reports font substitutions as warnings on the program's error stream; only its
    // errors go there. Held here: the logging framework keeps loggers only weakly.
    private static final Logger PDFBOX_LOG = Logger.getLogger("org.apache.pdfbox");

    static {
        PDFBOX_LOG.setLevel(Level.SEVERE);
    }

    private String pdfPath = "";
    private String xmlPath = "";
    private String outputFolder = "";
    private int options;
    private int printMode;
    private boolean headers = true;
    private ReturnFileReader data;
    private PrintTitles titles;
    private String returnFile = "";
    private String written;

    public g6()
    {
        setFontCache();
    }

    public void kw_do(String path)
    {
        pdfPath = path == null ? "" : path;
    }

    public void kw_if(String path)
    {
        xmlPath = path == null ? "" : path;
    }

    public void a(String folder)
    {
        outputFolder = folder == null ? "" : folder;
    }

    public String a()
    {
        return written;
    }

    public void kw_if(int flags)
    {
        options = flags;
    }

    public void kw_do() {}

    public void kw_int() {}

    // Called only when the user turned the page headers off.
    public void kw_new()
    {
        headers = false;
    }

    public void kw_for() {}

    public void a(int mode)
    {
        printMode = mode;
    }

    public int kw_for(String path)
    {
        try {
            returnFile = path == null ? "" : path;
            ReturnFileReader reader = new ReturnFileReader();
            int result = reader.read(returnFile);
            data = null;
            if (result != ReturnFileReader.OK)
                return result;
            try {
                titles = PrintTitles.read(returnFile);
            } catch (IOException e) {
                System.err.println("print failed: " + e.getMessage());
                return READ_NO_TITLES;
            }
            data = reader;
            return result;
        } catch (Throwable t) {
            data = null;
            return READ_FAILED;
        }
    }

    public int a(int spouse, int category, int entryId)
    {
        try {
            if (data == null)
                return WRITE_NOTHING_READ;
            ReturnPrinter printer = new ReturnPrinter();
            printer.pdfFolder = pdfPath;
            printer.outputFolder = outputFolder;
            printer.options = options;
            printer.printMode = printMode;
            printer.titles = titles;
            Path path = printer.print(spouse != 0 ? data.spouse : data.taxpayer, returnFile,
                                      spouse != 0, category, entryId);
            written = path.toString();
            return 0;
        } catch (Throwable t) {
            System.err.println("print failed: " + t);
            return WRITE_FAILED;
        }
    }

    // PDFBox keeps its font cache under the user's home unless told otherwise. The program passes
    // a folder of the user's own cache; without it, the same folder is found here from
    // XDG_CACHE_HOME or ~/.cache. Never a shared folder such as /tmp, where another user could
    // have made it first.
    private static void setFontCache()
    {
        try {
            if (System.getProperty("pdfbox.fontcache") != null)
                return;
            String cache = System.getenv("XDG_CACHE_HOME");
            if (cache == null || !new File(cache).isAbsolute())
                cache = System.getProperty("user.home") + File.separator + ".cache";
            File folder = new File(cache, "quorvandelle" + File.separator + "pdfbox");
            folder.mkdirs();
            if (!folder.isDirectory())
                return;
            // For its user alone.
            folder.setReadable(false, false);
            folder.setWritable(false, false);
            folder.setExecutable(false, false);
            folder.setReadable(true, true);
            folder.setWritable(true, true);
            folder.setExecutable(true, true);
            System.setProperty("pdfbox.fontcache", folder.getPath());
        } catch (Throwable t) {
            // Printing works without a font cache.
        }
    }
}
