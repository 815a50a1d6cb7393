// ReturnFileReader: reads the persons of a ".r25" return file written by this year's program.
//
// The layout is the one model/ReturnFileFormat.md describes (shared with the C++ writer); only
// records of the current data version are read, and the file's dependants and view settings
// after the two persons are not needed for printing.
package quorvandelle.makereport;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.time.LocalDate;
import java.time.temporal.JulianFields;
import java.util.ArrayList;
import java.util.List;

public final class ReturnFileReader
{
    public static final int OK = 0;
    public static final int MISSING = 1;
    public static final int EMPTY = 2;
    public static final int FOREIGN = 3;
    public static final int DAMAGED = 4;

    static final int CURRENT_VERSION = 66098;
    static final int BLOCK_MARKER = 0x51564642;
    // Bounds from the C++ reader: anything larger is damage, never an allocation.
    private static final int MAX_ENTRIES = 20000;
    private static final int MAX_FIELDS = 100000;
    private static final int MAX_TEXT = 16 * 1024 * 1024;
    private static final int MAX_TABLE_ROWS = 10000;
    private static final int MAX_TABLE_COLUMNS = 256;
    private static final int MAX_RESERVED = 256;
    // A file larger than this is no return file this program wrote.
    private static final long MAX_FILE_BYTES = 256L * 1024 * 1024;

    public static final class Field
    {
        public final String name;
        public final String value; // display text; empty for an empty value

        Field(String name, String value)
        {
            this.name = name;
            this.value = value;
        }
    }

    public static final class Entry
    {
        public final boolean slip;
        public final int type;
        public final int id;
        public final List<Field> fields = new ArrayList<>();

        Entry(boolean slip, int type, int id)
        {
            this.slip = slip;
            this.type = type;
            this.id = id;
        }

        public String text(String name)
        {
            for (Field f : fields) {
                if (f.name.equals(name))
                    return f.value;
            }
            return "";
        }
    }

    public static final class Person
    {
        public final List<Entry> entries = new ArrayList<>(); // forms, then slips, in list order

        public Entry firstForm(int type)
        {
            for (Entry e : entries) {
                if (!e.slip && e.type == type)
                    return e;
            }
            return null;
        }
    }

    public final Person taxpayer = new Person();
    public final Person spouse = new Person();

    private static final class Damaged extends Exception
    {
        private static final long serialVersionUID = 1L;
    }

    private static final class Foreign extends Exception
    {
        private static final long serialVersionUID = 1L;
    }

    public int read(String path)
    {
        byte[] bytes;
        try {
            Path file = Path.of(path);
            if (!Files.isRegularFile(file))
                return MISSING;
            if (Files.size(file) > MAX_FILE_BYTES)
                return FOREIGN;
            bytes = Files.readAllBytes(file);
        } catch (IOException | RuntimeException e) {
            return MISSING;
        }
        if (bytes.length == 0)
            return EMPTY;
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(bytes));
        try {
            readPerson(in, taxpayer, true);
            readPerson(in, spouse, false);
            return OK;
        } catch (Foreign e) {
            return FOREIGN;
        } catch (Damaged | IOException e) {
            return DAMAGED;
        }
    }

    private void readPerson(DataInputStream in, Person person, boolean first)
        throws IOException, Damaged, Foreign
    {
        int version = in.readInt();
        if (version != CURRENT_VERSION) {
            if (first)
                throw new Foreign();
            throw new Damaged();
        }
        in.readInt(); // tax year
        in.readInt(); // reserved
        in.readInt(); // all-forms flag
        int reserved = count(in, MAX_RESERVED);
        for (int i = 0; i < reserved; i++) {
            in.readInt();
            text(in);
        }
        in.readInt(); // next id
        in.readInt(); // province
        int forms = count(in, MAX_ENTRIES);
        for (int i = 0; i < forms; i++)
            person.entries.add(entry(in, false));
        int slips = count(in, MAX_ENTRIES);
        for (int i = 0; i < slips; i++)
            person.entries.add(entry(in, true));
        int notes = count(in, MAX_ENTRIES);
        for (int i = 0; i < notes; i++) {
            in.readInt();
            in.readInt();
            block(in, new Entry(false, 0, 0));
        }
        in.skipNBytes(8);
        skipBarcodeArchive(in);
        in.skipNBytes(8);
    }

    private static Entry entry(DataInputStream in, boolean slip) throws IOException, Damaged
    {
        int type = in.readInt();
        int id = in.readInt();
        in.readInt(); // linked id
        Entry entry = new Entry(slip, type, id);
        block(in, entry);
        return entry;
    }

    private static void block(DataInputStream in, Entry entry) throws IOException, Damaged
    {
        if (in.readInt() != BLOCK_MARKER)
            throw new Damaged();
        in.readInt(); // flags
        int fields = count(in, MAX_FIELDS);
        for (int i = 0; i < fields; i++) {
            int length = in.readUnsignedByte();
            if (length == 0)
                throw new Damaged();
            byte[] name = new byte[length];
            in.readFully(name);
            int type = in.readUnsignedByte();
            String fieldName = new String(name, StandardCharsets.UTF_8);
            if (type == 6)
                table(in, fieldName, entry);
            else
                entry.fields.add(new Field(fieldName, value(in, type)));
        }
    }

    private static void table(DataInputStream in, String name, Entry entry) throws IOException, Damaged
    {
        int rows = in.readInt();
        int columns = in.readInt();
        if (rows < 0 || rows > MAX_TABLE_ROWS || columns < 0 || columns > MAX_TABLE_COLUMNS)
            throw new Damaged();
        int[] types = new int[columns];
        for (int c = 0; c < columns; c++) {
            types[c] = in.readUnsignedByte();
            if (types[c] < 1 || types[c] > 5)
                throw new Damaged();
        }
        for (int r = 0; r < rows; r++) {
            for (int c = 0; c < columns; c++)
                entry.fields.add(new Field(name + "[" + r + "][" + c + "]", value(in, types[c])));
        }
    }

    // The value's text as the program shows it, empty for an empty value.
    private static String value(DataInputStream in, int type) throws IOException, Damaged
    {
        switch (type) {
        case 1: {
            int v = in.readInt();
            return v == 0 ? "" : Integer.toString(v);
        }
        case 2: {
            double v = in.readDouble();
            if (!Double.isFinite(v))
                throw new Damaged();
            String text = String.format(java.util.Locale.ROOT, "%.2f", v);
            return text.equals("0.00") || text.equals("-0.00") ? "" : text;
        }
        case 3:
            return text(in);
        case 4: {
            long day = in.readLong();
            int ms = in.readInt();
            if (ms < -1 || ms >= 86400000)
                throw new Damaged();
            if (day == 0)
                return "";
            try {
                return LocalDate.MIN.with(JulianFields.JULIAN_DAY, day).toString();
            } catch (RuntimeException e) {
                throw new Damaged();
            }
        }
        case 5: {
            int v = in.readUnsignedByte();
            if (v > 1)
                throw new Damaged();
            return v == 1 ? "1" : "";
        }
        default:
            throw new Damaged();
        }
    }

    private static String text(DataInputStream in) throws IOException, Damaged
    {
        int size = in.readInt();
        if (size < 0 || size > MAX_TEXT || size > in.available())
            throw new Damaged();
        byte[] bytes = new byte[size];
        in.readFully(bytes);
        return new String(bytes, StandardCharsets.UTF_8);
    }

    private static int count(DataInputStream in, int limit) throws IOException, Damaged
    {
        int n = in.readInt();
        if (n < 0 || n > limit || n > in.available())
            throw new Damaged();
        return n;
    }

    private static void skipBarcodeArchive(DataInputStream in) throws IOException, Damaged
    {
        int length = in.readInt();
        if (length < 1)
            return;
        skip(in, length);
        int count = in.readInt();
        for (int i = 0; i < count; i++) {
            int block = in.readInt();
            if (block > 0)
                skip(in, block);
        }
    }

    private static void skip(DataInputStream in, int n) throws IOException, Damaged
    {
        if (n > in.available())
            throw new Damaged();
        in.skipNBytes(n);
    }
}
