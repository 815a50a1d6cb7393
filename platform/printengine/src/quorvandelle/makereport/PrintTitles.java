// PrintTitles: what the program writes beside the return file for the engine: the fonts to
// embed, the slip printed alone, and for each form and slip type present its name and the
// titles of the fields a person reads, with the names of the codes those fields use. The
// engine prints nothing the program does not describe here.
package quorvandelle.makereport;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

public final class PrintTitles
{
    private static final String MAGIC = "QVPRINT";
    private static final String VERSION = "1";
    // Larger than any the program writes: anything bigger is not its hand-off.
    private static final long MAX_BYTES = 64L * 1024 * 1024;

    public static final class FieldTitle
    {
        public final String name;
        public final String number; // line or box number; empty when the title has none
        public final String title;
        public final String show;   // amount, number, text, date, yesno, choice, table
        public final String codeTable;
        public final String section;
        public final boolean total;

        FieldTitle(String[] f)
        {
            name = f[1];
            number = f[2];
            title = f[3];
            show = f[4];
            codeTable = f[5];
            section = f[6];
            total = f[7].equals("1");
        }
    }

    public static final class EntryTitles
    {
        public final String name;
        public final List<FieldTitle> fields = new ArrayList<>();

        EntryTitles(String name)
        {
            this.name = name;
        }
    }

    public String regularFont = "";
    public String boldFont = "";
    public int onlySlipId;
    private final Map<String, EntryTitles> entries = new HashMap<>();
    private final Map<String, Map<Integer, String>> codes = new HashMap<>();

    public static Path path(String returnFile)
    {
        return Path.of(returnFile + ".titles");
    }

    // The hand-off beside the return file; an exception that says what is wrong with it.
    public static PrintTitles read(String returnFile) throws IOException
    {
        Path file = path(returnFile);
        if (!Files.isRegularFile(file))
            throw new IOException("the print titles file is missing: " + file);
        if (Files.size(file) > MAX_BYTES)
            throw new IOException("the print titles file is too large: " + file);
        List<String> lines = Files.readAllLines(file, StandardCharsets.UTF_8);
        if (lines.isEmpty() || !lines.get(0).equals(MAGIC + "\t" + VERSION))
            throw new IOException("not a print titles file of this version: " + file);
        PrintTitles titles = new PrintTitles();
        EntryTitles current = null;
        for (int n = 1; n < lines.size(); n++) {
            String[] f = fields(lines.get(n));
            try {
                switch (f[0]) {
                case "font":
                    titles.regularFont = f[1];
                    titles.boldFont = f[2];
                    break;
                case "only":
                    titles.onlySlipId = Integer.parseInt(f[1]);
                    break;
                case "entry":
                    current = new EntryTitles(f[3]);
                    titles.entries.put(key(f[1].equals("1"), Integer.parseInt(f[2])), current);
                    break;
                case "field":
                    if (current == null || f.length < 8)
                        throw new IOException("field before its entry");
                    current.fields.add(new FieldTitle(f));
                    break;
                case "code":
                    titles.codes.computeIfAbsent(f[1], t -> new HashMap<>())
                        .put(Integer.parseInt(f[2]), f[3]);
                    break;
                default:
                    break; // a record a later program adds
                }
            } catch (RuntimeException e) {
                throw new IOException("damaged print titles file " + file + ", line " + (n + 1));
            }
        }
        if (titles.regularFont.isEmpty() || titles.boldFont.isEmpty())
            throw new IOException("the print titles file names no font: " + file);
        return titles;
    }

    // The titles of a form or slip type; null when the program described none.
    public EntryTitles entry(boolean slip, int type)
    {
        return entries.get(key(slip, type));
    }

    // The name of a code in its table; null when the table does not name it.
    public String codeName(String table, int code)
    {
        Map<Integer, String> names = codes.get(table);
        return names == null ? null : names.get(code);
    }

    private static String key(boolean slip, int type)
    {
        return (slip ? "s" : "f") + type;
    }

    // A record's fields, with "\t", "\n" and "\\" turned back into their characters.
    private static String[] fields(String line)
    {
        List<String> out = new ArrayList<>();
        StringBuilder field = new StringBuilder();
        for (int i = 0; i < line.length(); i++) {
            char c = line.charAt(i);
            if (c == '\t') {
                out.add(field.toString());
                field.setLength(0);
            } else if (c == '\\' && i + 1 < line.length()) {
                char next = line.charAt(++i);
                field.append(next == 't' ? '\t' : next == 'n' ? '\n' : next);
            } else {
                field.append(c);
            }
        }
        out.add(field.toString());
        return out.toArray(new String[0]);
    }
}
