// Reads messages with the generated model and writes them back:
// RoundTrip ROOT INPUT OUTPUT [ROOT INPUT OUTPUT ...]. A message that fails
// leaves its error text in OUTPUT.error instead, so that one start of the
// virtual machine serves every sample.
import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Paths;

public class RoundTrip {
    static byte[] roundTrip(String root, byte[] input) throws IOException {
        ByteArrayInputStream in = new ByteArrayInputStream(input);
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        if (root.equals("ServerMessage")) {
            model.ServerMessage.readFrom(in).writeTo(out);
        } else if (root.equals("ClientMessage")) {
            model.ClientMessage.readFrom(in).writeTo(out);
        } else if (root.equals("DebugState")) {
            model.DebugState.readFrom(in).writeTo(out);
        } else {
            throw new IOException("Unknown root " + root);
        }
        if (in.available() != 0) {
            throw new IOException("Bytes left after the message");
        }
        return out.toByteArray();
    }

    public static void main(String[] args) throws IOException {
        for (int i = 0; i + 2 < args.length; i += 3) {
            byte[] input = Files.readAllBytes(Paths.get(args[i + 1]));
            try {
                Files.write(Paths.get(args[i + 2]), roundTrip(args[i], input));
            } catch (IOException e) {
                Files.write(Paths.get(args[i + 2] + ".error"), e.getMessage().getBytes(StandardCharsets.UTF_8));
            }
        }
    }
}
