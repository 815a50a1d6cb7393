// InfoFileItem: one row of the engine's form table (TaxFormType), as the generator writes it.
package quorvandelle.makereport;

public final class InfoFileItem
{
    public final int nFormType;
    public final String strTitle;
    public final String strPdfFile;
    public final String strXmlFile;

    public InfoFileItem(int nFormType, String strTitle, String strPdfFile, String strXmlFile)
    {
        this.nFormType = nFormType;
        this.strTitle = strTitle;
        this.strPdfFile = strPdfFile;
        this.strXmlFile = strXmlFile;
    }
}
