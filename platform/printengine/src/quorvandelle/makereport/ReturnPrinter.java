// ReturnPrinter: lays out the pages of one person's return and writes them as one PDF file. Each
// form prints as the paper form reads (its lines in order, under their sections, each with its
// number, name and amount); slips print as a table per slip type; what is printed and how it
// is titled comes from the program's descriptions (PrintTitles), so a field without one (the
// program's own bookkeeping) never prints.
package quorvandelle.makereport;

import java.io.File;
import java.io.IOException;
import java.math.BigDecimal;
import java.nio.channels.FileChannel;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.nio.file.StandardOpenOption;
import java.text.DecimalFormat;
import java.text.DecimalFormatSymbols;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.TreeMap;
import org.apache.pdfbox.pdmodel.PDDocument;
import org.apache.pdfbox.pdmodel.PDPage;

public final class ReturnPrinter
{
    // Option bits the print command passes.
    public static final int OPTION_CLIENT_LETTER = 36;
    public static final int OPTION_INVOICE = 8;
    public static final int OPTION_FULL_SIN = 16;
    // Category of an item printed alone.
    public static final int CATEGORY_FORM = 0;
    public static final int CATEGORY_SLIP = 1;

    static final String CLIENT_LETTER_TEMPLATE = "t1_clientletter_own.pdf";
    private static final int T1 = 1;
    private static final int SUMMARY = 93;
    // Slips side by side in one table; more continue in a further table below.
    private static final int SLIPS_ACROSS = 3;
    private static final float BOX_WIDTH = 40;
    private static final float SLIP_WIDTH = 105;
    private static final int TABLE_COLUMNS_ACROSS = 6;

    public String pdfFolder = "";
    public String outputFolder = "";
    public int options;
    public int printMode;
    public PrintTitles titles = new PrintTitles();

    // The file name of the person's PDF: the return's name, the spouse's with a suffix.
    public static String pdfName(String returnFile, boolean spouse)
    {
        String name = new File(returnFile).getName();
        int dot = name.lastIndexOf('.');
        if (dot > 0)
            name = name.substring(0, dot);
        return name + (spouse ? "_spouse" : "") + ".pdf";
    }

    // Writes the file; the path written, or an exception. A failed write leaves no file behind
    // and an existing file of that name as it was.
    public Path print(ReturnFileReader.Person person, String returnFile, boolean spouse,
                      int category, int entryId) throws IOException
    {
        Path target = Path.of(outputFolder, pdfName(returnFile, spouse));
        if (Files.isDirectory(target))
            throw new IOException("target is a folder: " + target);
        // Beside the target, so the rename cannot cross file systems; made like any new file
        // (the user's umask), not with a temporary file's private mode.
        Path part = target.resolveSibling("." + target.getFileName() + "."
                                          + ProcessHandle.current().pid() + "." + System.nanoTime()
                                          + ".part");
        try {
            try (PDDocument doc = new PDDocument()) {
                boolean whole;
                try (PageWriter writer = new PageWriter(doc, titles.regularFont, titles.boldFont)) {
                    whole = layout(writer, person, category, entryId);
                }
                PDDocument template = null;
                try {
                    if (whole && (options & OPTION_CLIENT_LETTER) == OPTION_CLIENT_LETTER)
                        template = appendTemplate(doc);
                    doc.save(part.toFile());
                    // On disk before it replaces the old file (save closes its own stream).
                    try (FileChannel written = FileChannel.open(part, StandardOpenOption.WRITE)) {
                        written.force(true);
                    }
                } finally {
                    if (template != null)
                        template.close();
                }
            }
            Files.move(part, target, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        } finally {
            Files.deleteIfExists(part);
        }
        return target;
    }

    // The pages; true when the whole return was printed (the letter and invoice go with it).
    private boolean layout(PageWriter w, ReturnFileReader.Person person, int category, int entryId)
        throws IOException
    {
        String who = personLine(person);
        if (printMode == 1) {
            ReturnFileReader.Entry summary = person.firstForm(SUMMARY);
            if (summary != null) {
                formBlock(w, summary, who);
            } else {
                w.startBlock("Return summary", who);
                w.paragraph("This return has no summary.");
            }
            return false;
        }
        int onlyForm = category == CATEGORY_FORM ? entryId : 0;
        int onlySlip = category == CATEGORY_SLIP ? (entryId != 0 ? entryId : titles.onlySlipId) : 0;
        boolean whole = onlyForm == 0 && onlySlip == 0;
        boolean printed = false;
        Map<Integer, List<ReturnFileReader.Entry>> slipsByType = new LinkedHashMap<>();
        for (ReturnFileReader.Entry entry : person.entries) {
            if (!entry.slip && (whole || entry.id == onlyForm) && onlySlip == 0) {
                formBlock(w, entry, who);
                printed = true;
            } else if (entry.slip && (whole || entry.id == onlySlip) && onlyForm == 0) {
                slipsByType.computeIfAbsent(entry.type, t -> new ArrayList<>()).add(entry);
            }
        }
        for (Map.Entry<Integer, List<ReturnFileReader.Entry>> slips : slipsByType.entrySet()) {
            slipTable(w, slips.getKey(), slips.getValue(), who);
            printed = true;
        }
        if (!printed) {
            w.startBlock("Return", who);
            w.paragraph("The item chosen for printing is not in the return.");
        }
        if (whole && (options & OPTION_CLIENT_LETTER) == OPTION_CLIENT_LETTER)
            clientLetter(w, person, who);
        if (whole && (options & OPTION_INVOICE) != 0)
            invoice(w, person, who);
        return whole;
    }

    private void formBlock(PageWriter w, ReturnFileReader.Entry entry, String who) throws IOException
    {
        PrintTitles.EntryTitles t = titles.entry(false, entry.type);
        w.startBlock(formTitle(t, entry.type), who);
        String printedSection = "";
        boolean any = false;
        if (t != null) {
            for (PrintTitles.FieldTitle f : t.fields) {
                List<String[]> rows = f.show.equals("table") ? tableRows(entry, f) : null;
                String value = rows == null ? value(entry, f) : null;
                if (rows == null ? value == null : rows.isEmpty())
                    continue;
                if (!f.section.isEmpty() && !f.section.equals(printedSection))
                    w.heading(f.section);
                printedSection = f.section;
                any = true;
                if (rows == null) {
                    w.row(f.number, f.title, value);
                    continue;
                }
                w.row(f.number, f.title, "");
                for (String[] cells : rows)
                    tableField(w, cells);
            }
        }
        if (!any)
            w.paragraph("Nothing is entered on this form.");
    }

    private static String formTitle(PrintTitles.EntryTitles t, int type)
    {
        if (t != null && !t.name.isEmpty())
            return t.name;
        InfoFileItem item = TaxFormType.getFormTypeInfo(type);
        return item != null && !item.strTitle.isEmpty() ? item.strTitle : "Form " + type;
    }

    // The rows of a table field that hold a value, each as its cells' printed texts.
    private static List<String[]> tableRows(ReturnFileReader.Entry entry, PrintTitles.FieldTitle f)
    {
        TreeMap<Integer, TreeMap<Integer, String>> cells = new TreeMap<>();
        String prefix = f.name + "[";
        for (ReturnFileReader.Field field : entry.fields) {
            if (!field.name.startsWith(prefix) || field.value.isEmpty())
                continue;
            String[] at = field.name.substring(prefix.length(), field.name.length() - 1).split("\\]\\[");
            if (at.length != 2)
                continue;
            cells.computeIfAbsent(Integer.parseInt(at[0]), r -> new TreeMap<>())
                .put(Integer.parseInt(at[1]), cellText(field.value));
        }
        int columns = 0;
        for (TreeMap<Integer, String> row : cells.values())
            columns = Math.max(columns, row.lastKey() + 1);
        List<String[]> rows = new ArrayList<>();
        for (TreeMap<Integer, String> row : cells.values()) {
            String[] texts = new String[columns];
            for (int c = 0; c < columns; c++)
                texts[c] = row.getOrDefault(c, "");
            rows.add(texts);
        }
        return rows;
    }

    private static void tableField(PageWriter w, String[] cells) throws IOException
    {
        for (int from = 0; from < cells.length; from += TABLE_COLUMNS_ACROSS) {
            int n = Math.min(TABLE_COLUMNS_ACROSS, cells.length - from);
            float[] widths = new float[n + 1];
            String[] texts = new String[n + 1];
            widths[0] = BOX_WIDTH + 12;
            texts[0] = "";
            for (int c = 0; c < n; c++) {
                widths[c + 1] = (PageWriter.contentWidth() - widths[0]) / n;
                texts[c + 1] = cells[from + c];
            }
            w.tableRow(widths, texts, 1, false);
        }
    }

    // A table cell's text: amounts with thousands separators, the rest as stored.
    private static String cellText(String value)
    {
        return value.matches("-?\\d+\\.\\d\\d") ? amount(value) : value;
    }

    private void slipTable(PageWriter w, int type, List<ReturnFileReader.Entry> slips, String who)
        throws IOException
    {
        PrintTitles.EntryTitles t = titles.entry(true, type);
        String name = t != null && !t.name.isEmpty() ? t.name : "Slip " + type;
        w.startBlock(name + (slips.size() == 1 ? " slip" : " slips"), who);
        if (t == null || !slips.stream().anyMatch(slip -> anyValue(slip, t))) {
            w.paragraph(slips.size() == 1 ? "Nothing is entered on this slip."
                                          : "Nothing is entered on these slips.");
            return;
        }
        for (int from = 0; from < slips.size(); from += SLIPS_ACROSS) {
            List<ReturnFileReader.Entry> group = slips.subList(from, Math.min(slips.size(), from + SLIPS_ACROSS));
            float[] widths = new float[2 + group.size()];
            widths[0] = BOX_WIDTH;
            widths[1] = PageWriter.contentWidth() - BOX_WIDTH - SLIP_WIDTH * group.size();
            String[] header = new String[widths.length];
            header[0] = "Box";
            header[1] = "";
            for (int s = 0; s < group.size(); s++) {
                widths[2 + s] = SLIP_WIDTH;
                header[2 + s] = slips.size() == 1 ? name : name + " " + (from + s + 1);
            }
            w.tableRow(widths, header, 2, true);
            String printedSection = "";
            for (PrintTitles.FieldTitle f : t.fields) {
                if (f.show.equals("table"))
                    continue;
                String[] cells = new String[widths.length];
                cells[0] = f.number;
                cells[1] = f.title;
                boolean any = false;
                for (int s = 0; s < group.size(); s++) {
                    String v = value(group.get(s), f);
                    cells[2 + s] = v == null ? "" : v;
                    any |= v != null;
                }
                if (!any)
                    continue;
                if (!f.section.isEmpty() && !f.section.equals(printedSection))
                    w.heading(f.section);
                printedSection = f.section;
                w.tableRow(widths, cells, 2, false);
            }
            w.paragraph("");
        }
    }

    private boolean anyValue(ReturnFileReader.Entry slip, PrintTitles.EntryTitles t)
    {
        for (PrintTitles.FieldTitle f : t.fields) {
            if (!f.show.equals("table") && value(slip, f) != null)
                return true;
        }
        return false;
    }

    // A field's printed text; null when it is not printed (empty, a zero amount that is no
    // total, a code without a name).
    private String value(ReturnFileReader.Entry entry, PrintTitles.FieldTitle f)
    {
        String v = entry.text(f.name);
        switch (f.show) {
        case "amount":
            if (v.isEmpty())
                return f.total ? "0.00" : null;
            return amount(v);
        case "number":
            if (v.isEmpty())
                return f.total ? "0" : null;
            return v;
        case "yesno":
        case "choice": {
            int code;
            try {
                code = v.isEmpty() ? 0 : new BigDecimal(v).intValueExact();
            } catch (ArithmeticException | NumberFormatException e) {
                return v;
            }
            if (f.codeTable.isEmpty()) // a tick box
                return code != 0 ? "Yes" : null;
            String name = titles.codeName(f.codeTable, code);
            if (name != null)
                return name.isEmpty() ? null : name;
            return code > 0 ? Integer.toString(code) : null;
        }
        default:
            if (v.trim().isEmpty())
                return null;
            return isSin(f.name) ? sin(v) : v;
        }
    }

    // "1234567.5" as "1,234,567.50"; a text that is no number as it is.
    static String amount(String value)
    {
        try {
            DecimalFormat format = new DecimalFormat("#,##0.00", DecimalFormatSymbols.getInstance(Locale.ROOT));
            return format.format(new BigDecimal(value.trim()));
        } catch (NumberFormatException e) {
            return value;
        }
    }

    private String personLine(ReturnFileReader.Person person)
    {
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        if (t1 == null)
            return "";
        String name = fullName(t1);
        String number = t1.text("sin");
        if (number.isEmpty())
            return name;
        return name + "      S.I.N. " + sin(number);
    }

    private void clientLetter(PageWriter w, ReturnFileReader.Person person, String who)
        throws IOException
    {
        w.startBlock("Client letter", who);
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        w.paragraph("Dear " + (t1 == null ? "client" : fullName(t1)) + ",");
        w.paragraph("Your 2025 income tax return has been prepared.");
        if (t1 != null) {
            String refund = t1.text("48400");
            String owing = t1.text("48500");
            if (!refund.isEmpty())
                w.paragraph("Refund: " + amount(refund));
            if (!owing.isEmpty())
                w.paragraph("Balance owing: " + amount(owing));
        }
    }

    private void invoice(PageWriter w, ReturnFileReader.Person person, String who) throws IOException
    {
        w.startBlock("Invoice", who);
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        w.paragraph("Client: " + (t1 == null ? "" : fullName(t1)));
        w.paragraph("Preparation of the 2025 income tax return");
    }

    private static String fullName(ReturnFileReader.Entry t1)
    {
        return (t1.text("firstName").trim() + " " + t1.text("lastName").trim()).trim();
    }

    // A field named "sin" or ending in "Sin" holds an S.I.N.
    private static boolean isSin(String name)
    {
        return name.equals("sin") || name.endsWith("Sin");
    }

    // All but the S.I.N.'s last three digits hidden, unless the full S.I.N. was asked for.
    private String sin(String value)
    {
        if ((options & OPTION_FULL_SIN) != 0)
            return value;
        StringBuilder masked = new StringBuilder(value);
        int digitsLeft = 0;
        for (int i = masked.length() - 1; i >= 0; i--) {
            if (!Character.isDigit(masked.charAt(i)))
                continue;
            if (digitsLeft < 3)
                digitsLeft++;
            else
                masked.setCharAt(i, '*');
        }
        return masked.toString();
    }

    private PDDocument appendTemplate(PDDocument doc) throws IOException
    {
        File template = new File(pdfFolder, CLIENT_LETTER_TEMPLATE);
        if (pdfFolder.isEmpty() || !template.isFile())
            return null;
        PDDocument source = PDDocument.load(template);
        for (PDPage page : source.getPages())
            doc.importPage(page);
        return source;
    }
}
