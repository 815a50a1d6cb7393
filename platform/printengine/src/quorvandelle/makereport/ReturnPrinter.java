// ReturnPrinter: lays out the pages of one person's return and writes them as one PDF file.
package quorvandelle.makereport;

import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.channels.FileChannel;
import java.nio.file.StandardCopyOption;
import java.nio.file.StandardOpenOption;
import java.util.ArrayList;
import java.util.List;
import org.apache.pdfbox.pdmodel.PDDocument;
import org.apache.pdfbox.pdmodel.PDPage;
import org.apache.pdfbox.pdmodel.PDPageContentStream;
import org.apache.pdfbox.pdmodel.common.PDRectangle;
import org.apache.pdfbox.pdmodel.font.PDFont;
import org.apache.pdfbox.pdmodel.font.PDType1Font;

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
    // The T1's result lines, in the order the one-page print lists them.
    private static final String[] RESULT_LINES = {"15000", "23600", "26000", "43500", "48400", "48500"};
    private static final int T1 = 1;

    private static final float MARGIN = 50;
    private static final float TITLE_SIZE = 14;
    private static final float TEXT_SIZE = 10;
    private static final float LEADING = 14;

    private final PDFont titleFont = PDType1Font.HELVETICA_BOLD;
    private final PDFont textFont = PDType1Font.HELVETICA;

    public String pdfFolder = "";
    public String outputFolder = "";
    public int options;
    public int printMode;

    // One page's title and lines; a long list continues on the next page.
    private static final class Page
    {
        final String title;
        final List<String> lines = new ArrayList<>();

        Page(String title)
        {
            this.title = title;
        }
    }

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
        List<Page> pages = printMode == 1 ? List.of(summaryPage(person)) : pages(person, category, entryId);
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
                for (Page page : pages)
                    write(doc, page);
                PDDocument template = null;
                try {
                    if (printMode != 1 && (options & OPTION_CLIENT_LETTER) == OPTION_CLIENT_LETTER)
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

    private List<Page> pages(ReturnFileReader.Person person, int category, int entryId)
    {
        List<Page> pages = new ArrayList<>();
        for (ReturnFileReader.Entry entry : person.entries) {
            if (!chosen(entry, category, entryId))
                continue;
            Page page = new Page(title(entry));
            for (ReturnFileReader.Field field : entry.fields) {
                if (!field.value.isEmpty())
                    page.lines.add(field.name + ": " + shown(field.name, field.value));
            }
            pages.add(page);
        }
        boolean whole = entryId == 0;
        if (whole && (options & OPTION_CLIENT_LETTER) == OPTION_CLIENT_LETTER)
            pages.add(clientLetter(person));
        if (whole && (options & OPTION_INVOICE) != 0)
            pages.add(invoice(person));
        return pages;
    }

    // An entry id narrows the print to the form (category 0) or slip (category 1) of that id.
    private static boolean chosen(ReturnFileReader.Entry entry, int category, int entryId)
    {
        if (entryId == 0)
            return true;
        if (category == CATEGORY_FORM)
            return !entry.slip && entry.id == entryId;
        if (category == CATEGORY_SLIP)
            return entry.slip && entry.id == entryId;
        return true;
    }

    private static String title(ReturnFileReader.Entry entry)
    {
        if (entry.slip)
            return SlipTitles.title(entry.type);
        InfoFileItem item = TaxFormType.getFormTypeInfo(entry.type);
        return item != null && !item.strTitle.isEmpty() ? item.strTitle : "Form " + entry.type;
    }

    private Page summaryPage(ReturnFileReader.Person person)
    {
        Page page = new Page("Return summary");
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        if (t1 == null)
            return page;
        page.lines.add("Name: " + fullName(t1));
        page.lines.add("S.I.N.: " + shown("sin", t1.text("sin")));
        for (String line : RESULT_LINES) {
            String value = t1.text(line);
            if (!value.isEmpty())
                page.lines.add(line + ": " + value);
        }
        return page;
    }

    private Page clientLetter(ReturnFileReader.Person person)
    {
        Page page = new Page("Client letter");
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        page.lines.add("Dear " + (t1 == null ? "client" : fullName(t1)) + ",");
        page.lines.add("Your 2025 income tax return has been prepared.");
        if (t1 != null) {
            String refund = t1.text("48400");
            String owing = t1.text("48500");
            if (!refund.isEmpty())
                page.lines.add("Refund: " + refund);
            if (!owing.isEmpty())
                page.lines.add("Balance owing: " + owing);
        }
        return page;
    }

    private Page invoice(ReturnFileReader.Person person)
    {
        Page page = new Page("Invoice");
        ReturnFileReader.Entry t1 = person.firstForm(T1);
        page.lines.add("Client: " + (t1 == null ? "" : fullName(t1)));
        page.lines.add("Preparation of the 2025 income tax return");
        return page;
    }

    private static String fullName(ReturnFileReader.Entry t1)
    {
        return (t1.text("firstName").trim() + " " + t1.text("lastName").trim()).trim();
    }

    // A field named "sin" or ending in "Sin" holds an S.I.N.: all but its last three digits are
    // hidden unless the full S.I.N. was asked for.
    private String shown(String name, String value)
    {
        boolean sin = name.equals("sin") || name.endsWith("Sin");
        if (!sin || (options & OPTION_FULL_SIN) != 0)
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

    private void write(PDDocument doc, Page page) throws IOException
    {
        PDRectangle size = PDRectangle.LETTER;
        int line = 0;
        do {
            PDPage pdfPage = new PDPage(size);
            doc.addPage(pdfPage);
            try (PDPageContentStream text = new PDPageContentStream(doc, pdfPage)) {
                float y = size.getHeight() - MARGIN;
                text.beginText();
                text.setFont(titleFont, TITLE_SIZE);
                text.newLineAtOffset(MARGIN, y);
                text.showText(printable(titleFont, page.title));
                text.setFont(textFont, TEXT_SIZE);
                text.newLineAtOffset(0, -2 * LEADING);
                y -= 2 * LEADING;
                while (line < page.lines.size() && y > MARGIN) {
                    text.showText(printable(textFont, page.lines.get(line++)));
                    text.newLineAtOffset(0, -LEADING);
                    y -= LEADING;
                }
                text.endText();
            }
        } while (line < page.lines.size());
    }

    // What the font cannot show prints as "?"; line breaks as blanks.
    static String printable(PDFont font, String text)
    {
        StringBuilder out = new StringBuilder(text.length());
        text.codePoints().forEach(cp -> {
            String ch = new String(Character.toChars(cp));
            if (cp == '\n' || cp == '\r' || cp == '\t') {
                out.append(' ');
                return;
            }
            try {
                font.encode(ch);
                out.append(ch);
            } catch (IOException | IllegalArgumentException e) {
                out.append('?');
            }
        });
        return out.toString();
    }
}
