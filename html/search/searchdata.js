var indexSectionsWithContent =
{
  0: "x",
  1: "x"
};

var indexSectionNames =
{
  0: "all",
  1: "pages"
};

var indexSectionLabels =
{
  0: "All",
  1: "Pages"
};

