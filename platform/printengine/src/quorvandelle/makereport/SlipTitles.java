// SlipTitles: the page titles of slips by slip type (the names of the form library's slip table).
package quorvandelle.makereport;

final class SlipTitles
{
    private static final String[] NAMES = {
        "", "T4", "T4A", "T4AP", "T4RSP", "T4E", "T4AOAS", "T4RIF", "T5", "T3", "T5003", "T5007",
        "", "T5013", "T4PS", "T4ARCA", "T5006", "RC62", "RC210", "", "", "MBShelterAssist", "PRPP",
        "T1204", "NR4", "T2202", "T4FHSA",
    };

    private SlipTitles() {}

    static String title(int type)
    {
        String name = type > 0 && type < NAMES.length ? NAMES[type] : "";
        return name.isEmpty() ? "Slip " + type : name;
    }
}
