var searchData=
[
  ['x_0',['x',['../md_docs_failures.html',1,'']]]
];
