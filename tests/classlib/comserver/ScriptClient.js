// A script client of the test server: create it by ProgID, call it, read and write a property,
// and receive an error. Prints one OK line only when everything matched.
var failures = [];
function check(what, actual, expected) {
    if (actual !== expected)
        failures.push(what + ": got " + actual + ", expected " + expected);
}
try {
    var o = new ActiveXObject("TessaryTestServer.TestObject");
    check("Add", o.Add(2, 3), 5);
    check("initial Name", o.Name, "initial");
    o.Name = "Anh\u00e4nge";
    check("Name", o.Name, "Anh\u00e4nge");
    check("Describe(p)", o.Describe("p"), "p:missing");
    check("Describe(p, 7)", o.Describe("p", 7), "p:7");
    check("Extra", o.Extra, 42);
    var message = "none";
    try {
        o.Fail("boom");
    } catch (e) {
        message = e.description;
    }
    check("Fail", message, "boom");
} catch (e) {
    failures.push("exception " + e.number + ": " + e.description);
}
if (failures.length == 0) {
    WScript.Echo("OK script client");
    WScript.Quit(0);
}
WScript.Echo("FAILED " + failures.join("; "));
WScript.Quit(1);
