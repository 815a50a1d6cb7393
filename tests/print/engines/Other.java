// A test engine jar without the print class.
package a.b;

public class Other
{
}
