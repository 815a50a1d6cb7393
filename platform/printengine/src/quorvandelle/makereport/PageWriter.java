// PageWriter: lays out the printed return on Letter pages: a block (a form, a slip type, the
// letter) starts a page with its title and the person; rows of number, name and a right-aligned
// value follow, with section headings, wrapping long names and continuing on further pages
// under the same title.
package quorvandelle.makereport;

import java.io.Closeable;
import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;
import org.apache.pdfbox.pdmodel.PDDocument;
import org.apache.pdfbox.pdmodel.PDPage;
import org.apache.pdfbox.pdmodel.PDPageContentStream;
import org.apache.pdfbox.pdmodel.common.PDRectangle;
import org.apache.pdfbox.pdmodel.font.PDFont;
import org.apache.pdfbox.pdmodel.font.PDType0Font;

final class PageWriter implements Closeable
{
    private static final PDRectangle SIZE = PDRectangle.LETTER;
    private static final float MARGIN = 50;
    private static final float RIGHT = SIZE.getWidth() - MARGIN;
    private static final float TITLE_SIZE = 14;
    private static final float TEXT_SIZE = 9.5f;
    private static final float HEADING_SIZE = 10.5f;
    private static final float LEADING = 13;
    private static final float NUMBER_WIDTH = 52;
    private static final float GAP = 10;
    private static final float MAX_VALUE_WIDTH = 230;

    private final PDDocument doc;
    private final PDFont regular;
    private final PDFont bold;
    private PDPageContentStream stream;
    private float y;
    private String title = "";
    private String person = "";

    PageWriter(PDDocument doc, String regularFont, String boldFont) throws IOException
    {
        this.doc = doc;
        regular = font(doc, regularFont);
        bold = font(doc, boldFont);
    }

    // The TrueType file, embedded (the subset used): every letter of a name prints as typed.
    private static PDFont font(PDDocument doc, String path) throws IOException
    {
        File file = new File(path);
        if (!file.isFile())
            throw new IOException("the print font is missing: " + path);
        return PDType0Font.load(doc, file);
    }

    // A new block on a new page.
    void startBlock(String blockTitle, String personLine) throws IOException
    {
        title = blockTitle;
        person = personLine;
        newPage(false);
    }

    // A section heading, kept with the row after it.
    void heading(String text) throws IOException
    {
        need(LEADING * 3);
        y -= LEADING * 0.5f;
        show(bold, HEADING_SIZE, MARGIN, y, text);
        y -= 2;
        line(MARGIN, y - 3, RIGHT, y - 3);
        y -= LEADING;
    }

    // One line of a form: its number, its name (wrapped when long) and its value, right-aligned.
    void row(String number, String name, String value) throws IOException
    {
        float nameX = MARGIN + NUMBER_WIDTH;
        List<String> values = wrap(regular, TEXT_SIZE, value, MAX_VALUE_WIDTH);
        float valueWidth = 0;
        for (String v : values)
            valueWidth = Math.max(valueWidth, width(regular, TEXT_SIZE, v));
        List<String> names = wrap(regular, TEXT_SIZE, name, RIGHT - valueWidth - GAP - nameX);
        int lines = Math.max(names.size(), values.size());
        need(lines * LEADING);
        show(regular, TEXT_SIZE, MARGIN, y, number);
        for (int i = 0; i < lines; i++) {
            if (i < names.size())
                show(regular, TEXT_SIZE, nameX, y - i * LEADING, names.get(i));
            if (i < values.size())
                showRight(regular, TEXT_SIZE, RIGHT, y - i * LEADING, values.get(i));
        }
        y -= lines * LEADING;
    }

    // One row of a table: cells in columns of the given widths (the last ones right-aligned from
    // rightFrom on), each wrapped within its column.
    void tableRow(float[] widths, String[] cells, int rightFrom, boolean header) throws IOException
    {
        PDFont font = header ? bold : regular;
        List<List<String>> wrapped = new ArrayList<>();
        int lines = 1;
        for (int c = 0; c < cells.length; c++) {
            List<String> w = wrap(font, TEXT_SIZE, cells[c], widths[c] - GAP / 2);
            wrapped.add(w);
            lines = Math.max(lines, w.size());
        }
        need(lines * LEADING);
        float x = MARGIN;
        for (int c = 0; c < cells.length; c++) {
            for (int i = 0; i < wrapped.get(c).size(); i++) {
                String text = wrapped.get(c).get(i);
                if (c >= rightFrom)
                    showRight(font, TEXT_SIZE, x + widths[c], y - i * LEADING, text);
                else
                    show(font, TEXT_SIZE, x, y - i * LEADING, text);
            }
            x += widths[c];
        }
        y -= lines * LEADING;
        if (header) {
            line(MARGIN, y + LEADING - 3, RIGHT, y + LEADING - 3);
            y -= 3;
        }
    }

    // A paragraph of plain text.
    void paragraph(String text) throws IOException
    {
        for (String l : wrap(regular, TEXT_SIZE, text, RIGHT - MARGIN)) {
            need(LEADING);
            show(regular, TEXT_SIZE, MARGIN, y, l);
            y -= LEADING;
        }
        y -= LEADING / 2;
    }

    static float contentWidth()
    {
        return RIGHT - MARGIN;
    }

    @Override
    public void close() throws IOException
    {
        if (stream != null)
            stream.close();
        stream = null;
    }

    private void need(float height) throws IOException
    {
        if (y - height < MARGIN)
            newPage(true);
    }

    private void newPage(boolean continued) throws IOException
    {
        close();
        PDPage page = new PDPage(SIZE);
        doc.addPage(page);
        stream = new PDPageContentStream(doc, page);
        y = SIZE.getHeight() - MARGIN;
        show(bold, TITLE_SIZE, MARGIN, y, continued ? title + " (continued)" : title);
        y -= LEADING * 1.4f;
        if (!person.isEmpty()) {
            show(regular, TEXT_SIZE, MARGIN, y, person);
            y -= 4;
        }
        line(MARGIN, y - 2, RIGHT, y - 2);
        y -= LEADING * 1.5f;
    }

    private void show(PDFont font, float size, float x, float atY, String text) throws IOException
    {
        if (text.isEmpty())
            return;
        stream.beginText();
        stream.setFont(font, size);
        stream.newLineAtOffset(x, atY);
        stream.showText(text);
        stream.endText();
    }

    private void showRight(PDFont font, float size, float right, float atY, String text)
        throws IOException
    {
        show(font, size, right - width(font, size, text), atY, text);
    }

    private void line(float x1, float y1, float x2, float y2) throws IOException
    {
        stream.setLineWidth(0.5f);
        stream.moveTo(x1, y1);
        stream.lineTo(x2, y2);
        stream.stroke();
    }

    private static float width(PDFont font, float size, String text) throws IOException
    {
        return font.getStringWidth(text) / 1000 * size;
    }

    // The text in lines no wider than the width, broken at blanks (a word wider than the width
    // is broken where it must be); line breaks in the text start new lines.
    static List<String> wrap(PDFont font, float size, String text, float maxWidth)
        throws IOException
    {
        List<String> lines = new ArrayList<>();
        for (String paragraph : printable(font, text).split("\n", -1)) {
            StringBuilder current = new StringBuilder();
            for (String word : paragraph.split(" ")) {
                if (word.isEmpty())
                    continue;
                String tried = current.length() == 0 ? word : current + " " + word;
                if (width(font, size, tried) <= maxWidth) {
                    current.setLength(0);
                    current.append(tried);
                    continue;
                }
                if (current.length() > 0)
                    lines.add(current.toString());
                current.setLength(0);
                while (width(font, size, word) > maxWidth && word.length() > 1) {
                    int cut = word.length() - 1;
                    while (cut > 1 && width(font, size, word.substring(0, cut)) > maxWidth)
                        cut--;
                    lines.add(word.substring(0, cut));
                    word = word.substring(cut);
                }
                current.append(word);
            }
            if (current.length() > 0 || lines.isEmpty())
                lines.add(current.toString());
        }
        while (lines.size() > 1 && lines.get(lines.size() - 1).isEmpty())
            lines.remove(lines.size() - 1);
        return lines;
    }

    // Tabs and other control characters as blanks, carriage returns dropped; a letter the font
    // has no glyph for as "?", so the rest of the text still prints.
    static String printable(PDFont font, String text)
    {
        StringBuilder out = new StringBuilder(text.length());
        text.codePoints().forEach(cp -> {
            if (cp == '\r')
                return;
            if (cp == '\n') {
                out.append('\n');
                return;
            }
            if (Character.isISOControl(cp)) {
                out.append(' ');
                return;
            }
            String ch = new String(Character.toChars(cp));
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
