// KeywordRename: renames the "kw_" methods of compiled classes to the Java keywords they stand for.
//
// The bridge calls engine methods named "do", "if", "int", "new" and "for": legal in class files but
// not in Java source. The source spells them "kw_do" ...; this pass rewrites every constant-pool
// text that is exactly such a name, so declarations and calls change together.

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.Set;

public final class KeywordRename
{
    private static final String PREFIX = "kw_";
    private static final Set<String> KEYWORDS = Set.of("do", "if", "int", "new", "for");

    private KeywordRename() {}

    public static void main(String[] args) throws IOException
    {
        for (String arg : args) {
            Path file = Paths.get(arg);
            byte[] renamed = rename(Files.readAllBytes(file));
            Path part = file.resolveSibling(file.getFileName() + ".part");
            Files.write(part, renamed);
            Files.move(part, file, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        }
    }

    static byte[] rename(byte[] classFile) throws IOException
    {
        DataInputStream in = new DataInputStream(new java.io.ByteArrayInputStream(classFile));
        ByteArrayOutputStream bytes = new ByteArrayOutputStream(classFile.length);
        DataOutputStream out = new DataOutputStream(bytes);
        int magic = in.readInt();
        if (magic != 0xCAFEBABE)
            throw new IOException("not a class file");
        out.writeInt(magic);
        out.writeShort(in.readUnsignedShort()); // minor
        out.writeShort(in.readUnsignedShort()); // major
        int count = in.readUnsignedShort();
        out.writeShort(count);
        for (int i = 1; i < count; i++) {
            int tag = in.readUnsignedByte();
            out.writeByte(tag);
            switch (tag) {
            case 1: {
                String text = in.readUTF();
                if (text.startsWith(PREFIX) && KEYWORDS.contains(text.substring(PREFIX.length())))
                    text = text.substring(PREFIX.length());
                out.writeUTF(text);
                break;
            }
            case 7: case 8: case 16: case 19: case 20:
                copy(in, out, 2);
                break;
            case 15:
                copy(in, out, 3);
                break;
            case 3: case 4: case 9: case 10: case 11: case 12: case 17: case 18:
                copy(in, out, 4);
                break;
            case 5: case 6:
                copy(in, out, 8);
                i++; // eight-byte constants take two slots
                break;
            default:
                throw new IOException("unknown constant tag " + tag);
            }
        }
        in.transferTo(out);
        out.flush();
        return bytes.toByteArray();
    }

    private static void copy(DataInputStream in, DataOutputStream out, int n) throws IOException
    {
        byte[] b = new byte[n];
        in.readFully(b);
        out.write(b);
    }
}
