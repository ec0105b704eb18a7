/* Сценарий страницы */
"use strict";

// Начальные настройки сценария
var settings = {
  message: "Страница загружена"
};

// Выполняется, когда документ загружен и разобран
function init() {
  var title = document.querySelector("h1");
  if (title) {
    title.title = settings.message;
  }
}

if (document.readyState === "loading") {
  document.addEventListener("DOMContentLoaded", init);
} else {
  init();
}
