// A shared library that is not a gauge module: it lacks Linkage and ImportTable.
extern "C" int not_a_gauge_module() { return 1; }
