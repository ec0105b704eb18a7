<?php
// Данные страницы
$title = "Новая страница";
$items = array("Главная", "О сайте", "Контакты");

header("Content-Type: text/html; charset=windows-1251");

// Текст для вывода в HTML: спецсимволы заменены мнемониками
function html($text)
{
    return htmlspecialchars($text, ENT_QUOTES, "windows-1251");
}
?>
<!DOCTYPE html>
<html lang="ru">
<head>
  <meta charset="windows-1251">
  <title><?php echo html($title); ?></title>
  <link rel="stylesheet" href="style.css">
</head>
<body>
  <h1><?php echo html($title); ?></h1>
  <ul>
<?php foreach ($items as $item): ?>
    <li><?php echo html($item); ?></li>
<?php endforeach; ?>
  </ul>
  <p>Сегодня <?php echo date("d.m.Y"); ?>.</p>
</body>
</html>
