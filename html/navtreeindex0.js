var NAVTREEINDEX0 =
{
"files.html":[1,0],
"index.html":[],
"md_docs_failures.html":[0],
"pages.html":[],
"tazmix_8h_source.html":[1,0,0]
};
